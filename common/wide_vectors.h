#pragma once
// Whether the hot loops over file bytes take 512-bit steps: on x86-64 machines whose
// processor has the byte operations for them, chosen once. VX4820CAL_VECTORS=narrow
// keeps the steps every x86-64 machine has (the tests run both). Not in the Windows
// build: its compiler does not align the stack for spilled wide registers.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(_WIN32)
#define VX4820CAL_WIDE_VECTORS 1
// A function compiled for those machines, called only when UseWideVectors().
#define VX4820CAL_WIDE_TARGET __attribute__((target("avx512bw,avx512vl,avx2,bmi")))
#include <immintrin.h>
#endif

namespace vx4820cal {

bool UseWideVectors();

}  // namespace vx4820cal
