#include "common/common_globals.h"
#include "common/error_convention.h"

namespace vx4820cal {

bool IsDouble(std::string_view value) {
  return TrapAndRaiseAgain("IsDouble", [&] {
    size_t point = value.find('.');
    if (point == std::string_view::npos || value.find('.', point + 1) != std::string_view::npos) return false;
    bool first = true;
    bool any = false;
    for (size_t i = 0; i < value.size(); ++i) {
      if (i == point) continue;
      char c = value[i];
      bool ok = (c >= '0' && c <= '9') || (first && c == '-');
      if (!ok) return false;
      first = false;
      any = true;
    }
    return any;
  });
}

}  // namespace vx4820cal
