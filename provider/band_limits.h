#pragma once
// The band-limits table built from the calibration parameters at start-up.

namespace vx4820cal {

void InitBandLimits();

}  // namespace vx4820cal
