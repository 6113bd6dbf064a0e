#include "calparams/parameters_file.h"

#include <system_error>

#include "calparams/working_copy.h"
#include "common/error_convention.h"
#include "vx4820cal/component.h"
#include "vx4820cal/error.h"

namespace vx4820cal::calparams {
namespace {

namespace fs = std::filesystem;

// The working copy is out of date when it is missing or the source is strictly newer.
bool NeedsRegeneration(const fs::path& source, const fs::path& working_copy) {
  std::error_code failure;
  fs::file_time_type copy_time = fs::last_write_time(working_copy, failure);
  if (failure) return true;
  return fs::last_write_time(source) > copy_time;
}

thread_local std::string last_regeneration_failure;

// Regenerates the working copy when it is out of date; false, the cause kept, when
// that fails.
bool Regenerate(const ParametersFilePaths& paths) {
  try {
    if (NeedsRegeneration(paths.source, paths.working_copy)) RegenerateWorkingCopy(paths.source, paths.working_copy);
    return true;
  } catch (const Error& error) {
    last_regeneration_failure = error.Description();
  } catch (const std::exception& failure) {
    last_regeneration_failure = failure.what();
  } catch (...) {
    last_regeneration_failure = "an unknown failure";
  }
  return false;
}

}  // namespace

const std::string& LastRegenerationFailure() { return last_regeneration_failure; }

void RequireBaseName(std::string_view base_name) {
  if (base_name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos || base_name == "..") {
    throw RuntimeError(err::kBadFileName);
  }
}

ParametersFilePaths PathsOf(std::string_view base_name) {
  RequireBaseName(base_name);
  fs::path folder = ComponentFolder();
  std::string base(base_name);
  return {folder / (base + ".ini"), folder / (base + ".dat")};
}

fs::path ResolveParametersFile(std::string_view base_name) {
  ParametersFilePaths paths = PathsOf(base_name);
  std::error_code failure;
  if (!fs::exists(paths.source, failure)) return paths.working_copy;
  last_regeneration_failure.clear();
  return Regenerate(paths) ? paths.working_copy : fs::path();
}

}  // namespace vx4820cal::calparams
