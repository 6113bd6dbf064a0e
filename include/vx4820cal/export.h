#pragma once
// What the component's library offers a host: only what carries VX4820CAL_API is
// visible outside it (its functions, and the classes whose type a host casts to or
// catches). Everything else stays inside the library.
#if defined(_WIN32)
#if defined(VX4820CAL_BUILDING_LIBRARY)
#define VX4820CAL_API __declspec(dllexport)
#else
#define VX4820CAL_API
#endif
#else
#define VX4820CAL_API __attribute__((visibility("default")))
#endif
