#include "common/wide_vectors.h"

#include <cstdlib>
#include <string_view>

namespace vx4820cal {
namespace {

bool Decide() {
#if defined(VX4820CAL_WIDE_VECTORS)
  if (const char* asked = std::getenv("VX4820CAL_VECTORS"); asked && std::string_view(asked) == "narrow") return false;
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl");
#else
  return false;
#endif
}

}  // namespace

bool UseWideVectors() {
  static const bool wide = Decide();
  return wide;
}

}  // namespace vx4820cal
