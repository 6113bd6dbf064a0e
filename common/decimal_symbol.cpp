// The user's decimal separator, as the system has it for the user, unless fixed for
// this thread.
#include "common/decimal_symbol.h"

#include <optional>

#include "common/error_convention.h"
#include "platform/platform.h"
#include "vx4820cal/component.h"

namespace vx4820cal {
namespace {

thread_local std::optional<std::string> tlsOverride;

}  // namespace

void SetDecimalSymbolOverride(std::optional<std::string> symbol) { tlsOverride = std::move(symbol); }

std::string DecimalSymbol() {
  return TrapAndRaiseAgain("DecimalSymbol", [&]() -> std::string {
    if (tlsOverride) return *tlsOverride;
    return platform::UserDecimalSeparator();
  });
}

}  // namespace vx4820cal
