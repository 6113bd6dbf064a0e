#include "common/error_convention.h"

#include <filesystem>
#include <new>
#include <system_error>

#include "common/message_box.h"
#include "vx4820cal/interfaces/iterminator.h"

namespace vx4820cal {
namespace {

// One terminator per thread: each host thread arms its own error reporting.
thread_local std::shared_ptr<Iterminator> gobjTerminator;
thread_local bool gblnTerminatorSet = false;

constexpr std::string_view kReportTitle = "Programming Application";
constexpr int32_t kCriticalStyle = 16;

int32_t RunTimeNumberFor(const std::error_code& code) {
  switch (static_cast<std::errc>(code.value())) {
    case std::errc::no_such_file_or_directory: return err::kFileNotFound;
    case std::errc::not_a_directory: return err::kPathNotFound;
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
    case std::errc::read_only_file_system: return err::kPermissionDenied;
    case std::errc::filename_too_long:
    case std::errc::invalid_argument: return err::kBadFileName;
    default: return err::kPathFileAccess;
  }
}

}  // namespace

void AddErrorSource(Error& error, std::string_view procedure) {
  if (error.Description() == procedure) return;
  std::string description;
  description.reserve(procedure.size() + error.Description().size() + 16);
  description.append(kComponentName).append(": ").append(procedure).append("\r\n").append(error.Description());
  error.SetDescription(std::move(description));
}

void RaiseError(int32_t number, const std::string& source, const std::string& description) {
  if (!gblnTerminatorSet) throw Error(number, source, description);
  ShowSystemMessageBox(description, std::string(kReportTitle), kCriticalStyle);
  // Hold our own reference: ending the application may replace the terminator.
  std::shared_ptr<Iterminator> terminator = gobjTerminator;
  if (!terminator) throw RuntimeError(err::kObjectNotSet);
  terminator->TerminateApplication();
}

void InitRaiseError(std::shared_ptr<Iterminator> terminator) {
  gobjTerminator = std::move(terminator);
  gblnTerminatorSet = true;
}

bool ErrorReportingArmed() { return gblnTerminatorSet; }

std::shared_ptr<Iterminator> CurrentTerminator() { return gobjTerminator; }

Error ToError(std::exception_ptr in_flight) {
  try {
    std::rethrow_exception(in_flight);
  } catch (const Error& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return RuntimeError(err::kOutOfMemory);
  } catch (const std::filesystem::filesystem_error& failure) {
    return RuntimeError(RunTimeNumberFor(failure.code()));
  } catch (const std::system_error& failure) {
    return RuntimeError(RunTimeNumberFor(failure.code()));
  } catch (const std::out_of_range&) {
    return RuntimeError(err::kSubscriptOutOfRange);
  } catch (const std::length_error&) {
    return RuntimeError(err::kOutOfMemory);
  } catch (const std::exception& other) {
    return Error(err::kInvalidArgument, kComponentName, other.what());
  } catch (...) {
    return Error(err::kInvalidArgument, kComponentName, "Unknown error");
  }
}

void ReportInFlight(std::string_view procedure) {
  Error error = ToError(std::current_exception());
  AddErrorSource(error, procedure);
  RaiseError(error.Number(), error.Source(), error.Description());
}

}  // namespace vx4820cal
