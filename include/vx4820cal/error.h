#pragma once
// The one error type of the component: number, source and description, raised by
// throwing and trapped by catching.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "vx4820cal/export.h"

namespace vx4820cal {

namespace err {
// Run-time error numbers the component raises where the host expects them.
inline constexpr int32_t kInvalidArgument = 5;  // also: key not found in a keyed collection
inline constexpr int32_t kOverflow = 6;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscriptOutOfRange = 9;
inline constexpr int32_t kTypeMismatch = 13;
inline constexpr int32_t kBadFileName = 52;
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kInputPastEndOfFile = 62;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kPathFileAccess = 75;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectNotSet = 91;
inline constexpr int32_t kObjectRequired = 424;
inline constexpr int32_t kCannotCreateObject = 429;
inline constexpr int32_t kNoSuchMethod = 438;
inline constexpr int32_t kDuplicateKey = 457;
inline constexpr int32_t kValidatorNotInitialised = 9001;
}  // namespace err

class VX4820CAL_API Error : public std::exception {
 public:
  Error(int32_t number, std::string source, std::string description)
      : number_(number), source_(std::move(source)), description_(std::move(description)) {}

  int32_t Number() const noexcept { return number_; }
  const std::string& Source() const noexcept { return source_; }
  const std::string& Description() const noexcept { return description_; }
  void SetDescription(std::string description) { description_ = std::move(description); }

  const char* what() const noexcept override { return description_.c_str(); }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

// The run time's own message for one of the numbers above ("Type mismatch", ...).
inline std::string RuntimeErrorText(int32_t number) {
  switch (number) {
    case err::kInvalidArgument: return "Invalid procedure call or argument";
    case err::kOverflow: return "Overflow";
    case err::kOutOfMemory: return "Out of memory";
    case err::kSubscriptOutOfRange: return "Subscript out of range";
    case err::kTypeMismatch: return "Type mismatch";
    case err::kBadFileName: return "Bad file name or number";
    case err::kFileNotFound: return "File not found";
    case err::kInputPastEndOfFile: return "Input past end of file";
    case err::kPermissionDenied: return "Permission denied";
    case err::kPathFileAccess: return "Path/File access error";
    case err::kPathNotFound: return "Path not found";
    case err::kObjectNotSet: return "Object variable or With block variable not set";
    case err::kObjectRequired: return "Object required";
    case err::kCannotCreateObject: return "Cannot create object";
    case err::kNoSuchMethod: return "Object doesn't support this property or method";
    case err::kDuplicateKey: return "This key is already associated with an element of this collection";
    default: return "Application-defined or object-defined error";
  }
}

// The component's name, the source the run time gives its own errors.
inline constexpr const char* kComponentName = "VX4820CAL";

// An error as the run time raises it: its number, the component as source and its
// standard message.
inline Error RuntimeError(int32_t number) { return Error(number, kComponentName, RuntimeErrorText(number)); }

}  // namespace vx4820cal
