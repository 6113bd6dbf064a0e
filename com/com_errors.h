#pragma once
// Errors as the host's language sees them: error number n travels as the failed
// HRESULT 0x800A0000 + n, with an IErrorInfo holding the source and description; a
// failed HRESULT from a host object comes back as the core's Error.
#include <cstdint>
#include <exception>
#include <new>

#include "com/com_headers.h"
#include "vx4820cal/error.h"

namespace vx4820cal::com {

HRESULT HResultForNumber(int32_t number);
int32_t NumberForHResult(HRESULT hr);

// Sets this thread's error info from the error and answers its HRESULT.
HRESULT ReportToCaller(const Error& error, REFIID iid);

// The error a failed host call stands for: the number back from its HRESULT, the
// source and description from the host's IErrorInfo when it set one.
Error ErrorFromHResult(HRESULT hr);
inline void Check(HRESULT hr) {
  if (FAILED(hr)) throw ErrorFromHResult(hr);
}

// Runs the body of one COM operation: a core Error becomes a failed HRESULT with its
// error info; nothing is thrown across the boundary.
template <class Body>
HRESULT Guarded(REFIID iid, Body&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (const Error& error) {
    return ReportToCaller(error, iid);
  } catch (const std::bad_alloc&) {
    return ReportToCaller(RuntimeError(err::kOutOfMemory), iid);
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace vx4820cal::com
