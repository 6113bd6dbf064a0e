#pragma once
// The common error convention: every trapping procedure names itself, adds that name
// in front of the error's description and then either reports the error (RaiseError)
// or raises it again at once. Written once here; procedures only choose which.
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/error.h"

namespace vx4820cal {

class Iterminator;

// Puts "VX4820CAL: <procedure>" and CR LF in front of the description, unless the
// description is exactly the procedure's name.
void AddErrorSource(Error& error, std::string_view procedure);

// Unarmed: raises the error as given. Armed: shows it in a critical box titled
// "Programming Application", asks the terminator to end the application, returns.
void RaiseError(int32_t number, const std::string& source, const std::string& description);

// Arms error reporting on this thread with the given terminator.
void InitRaiseError(std::shared_ptr<Iterminator> terminator);

bool ErrorReportingArmed();
std::shared_ptr<Iterminator> CurrentTerminator();

// The error in flight inside a catch block, as the component's error type: standard
// exceptions become the run-time error closest to them.
Error ToError(std::exception_ptr in_flight);

// The catch side of the common trap: AddErrorSource, then RaiseError.
void ReportInFlight(std::string_view procedure);

// Runs body under the common trap. Returns normally when reporting is armed.
template <class Body>
void TrapAndReport(std::string_view procedure, Body&& body) {
  try {
    body();
  } catch (...) {
    ReportInFlight(procedure);
  }
}

// The same for a procedure with a result: the body's result, or the fallback when
// the trap caught an error and reporting is armed.
template <class T, class Body>
T TrapAndReport(std::string_view procedure, T fallback, Body&& body) {
  try {
    return body();
  } catch (...) {
    ReportInFlight(procedure);
    return fallback;
  }
}

// Runs body; on error adds the procedure's line and raises the error again at once.
template <class Body>
decltype(auto) TrapAndRaiseAgain(std::string_view procedure, Body&& body) {
  try {
    return body();
  } catch (...) {
    Error error = ToError(std::current_exception());
    AddErrorSource(error, procedure);
    throw error;
  }
}

// Runs one risky step under a quiet trap: any error is cleared. True when it succeeded.
template <class Body>
bool TrapQuietly(Body&& body) {
  try {
    body();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace vx4820cal
