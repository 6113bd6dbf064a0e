#include "provider/band_limits.h"

namespace vx4820cal {

// Placeholder until the band-limits table lands.
void InitBandLimits() {}

}  // namespace vx4820cal
