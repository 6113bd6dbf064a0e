#pragma once
// Where the calibration parameters file lives: the plain source F/B.ini and its
// scrambled working copy F/B.dat in the component folder F.
#include <filesystem>
#include <string>
#include <string_view>

namespace vx4820cal::calparams {

// A base name names a file inside the component folder: one holding "/" or "\", a
// NUL, or the name ".." is refused with error 52 before any file is touched.
void RequireBaseName(std::string_view base_name);

struct ParametersFilePaths {
  std::filesystem::path source;        // F/B.ini
  std::filesystem::path working_copy;  // F/B.dat
};
ParametersFilePaths PathsOf(std::string_view base_name);  // checks the name first

// The working copy's path, after regenerating it from the source when the source is
// newer or the copy missing. Empty when regeneration failed (the old copy, if any,
// stays as it was). The path is returned also when neither file exists.
std::filesystem::path ResolveParametersFile(std::string_view base_name);

// Why the last regeneration this thread tried failed, in the file system's words;
// empty when it succeeded or none was needed. The load itself reports only "File not
// found"; a host that wants the cause asks here.
const std::string& LastRegenerationFailure();

}  // namespace vx4820cal::calparams
