#pragma once
// The COM declarations the adapters use: the system's and those widl generates from
// the IDL. The system's MessageBox macro is dropped first so that the messenger's
// operation keeps its own name on both sides.
#include <windows.h>
#undef MessageBox
#include <ole2.h>
#include <olectl.h>

#include "vx4820cal_com.h"
