#include "cli/parameters_diagnosis.h"

#include "calparams/calibration_parameters.h"
#include "calparams/parameters_file.h"
#include "calparams/working_copy.h"
#include "cli/cmd_params_lint.h"
#include "cli/command_line_hints.h"
#include "cli/store_tables.h"
#include "cli/tool_session.h"
#include "cli/why_unreadable.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {
namespace {

namespace fs = std::filesystem;

bool HasLoneLf(std::string_view bytes) {
  for (size_t at = bytes.find('\n'); at != std::string_view::npos; at = bytes.find('\n', at + 1)) {
    if (at == 0 || bytes[at - 1] != '\r') return true;
  }
  return false;
}

// The line that ends the load of the edited file, as "PATH:LINE: why", or empty.
std::string StoppingLine(const fs::path& file, bool plain_source) {
  LintResult scan = ScanParametersFile(file, plain_source);
  for (const LintFinding& finding : scan.findings) {
    if (finding.stops_load) return file.string() + ":" + std::to_string(finding.line) + ": " + finding.message;
  }
  return "";
}

// The first line of `copy` that differs from `expected`, or 0 when they are alike.
size_t FirstDifferingLine(std::string_view expected, std::string_view copy) {
  LineReader a(expected);
  LineReader b(copy);
  while (!a.AtEnd() && !b.AtEnd()) {
    if (a.Next() != b.Next()) return b.LineNumber();
  }
  return a.AtEnd() && b.AtEnd() ? 0 : b.LineNumber() + 1;
}

}  // namespace

bool WorkingCopyIsKept(const calparams::ParametersFilePaths& paths) {
  std::error_code failure;
  fs::file_time_type copy_time = fs::last_write_time(paths.working_copy, failure);
  if (failure) return false;
  fs::file_time_type source_time = fs::last_write_time(paths.source, failure);
  return !failure && source_time <= copy_time;
}

size_t StaleWorkingCopyLine(const calparams::ParametersFilePaths& paths) {
  return FirstDifferingLine(calparams::WorkingCopyBytes(ReadFileBytes(paths.source)),
                            ReadFileBytes(paths.working_copy));
}

fs::path EditedFile(const std::string& base_name) {
  calparams::ParametersFilePaths paths = calparams::PathsOf(base_name);
  std::error_code none;
  return fs::exists(paths.source, none) ? paths.source : paths.working_copy;
}

void DiagnoseFailedLoad(ToolSession& session, const std::string& base_name) {
  calparams::ParametersFilePaths paths;
  try {
    paths = calparams::PathsOf(base_name);
  } catch (const Error&) {
    session.Fail("'" + base_name + "' is no base name of a file inside the component folder");
    return;
  }
  if (const std::string& cause = calparams::LastRegenerationFailure(); !cause.empty()) {
    session.Fail(paths.working_copy.string() + ": could not be made from " + paths.source.filename().string() + ": " +
                 cause);
    return;
  }
  std::error_code none;
  bool plain_source = fs::exists(paths.source, none);
  const fs::path& file = plain_source ? paths.source : paths.working_copy;
  if (std::string why = WhyUnreadable(file); !why.empty()) {
    session.Fail(plain_source ? file.string() + ": " + why
                              : paths.source.string() + " and " + paths.working_copy.filename().string() + ": " +
                                    (why == "does not exist" ? "neither exists" : why));
    return;
  }
  if (std::string why = WhyUnreadable(paths.working_copy); plain_source && !why.empty()) {
    session.Fail(paths.working_copy.string() + ": " + why);
    return;
  }
  std::string line = StoppingLine(file, plain_source);
  session.Fail(line.empty() ? file.string() + ": the load failed" : line);
}

bool RequireTable(ToolSession& session, const clsCalibrationParameters& store, const std::string& base_name,
                  const std::string& table) {
  if (!store.PositionsOfTable(table).empty()) return true;
  fs::path file = EditedFile(base_name);
  std::string message = file.string() + ": no records of table \"" + table + "\"";
  std::vector<std::string> tables;
  for (const auto& [key, name] : TablesOf(store)) tables.push_back(name);
  if (std::string closest = Closest(table, tables); !closest.empty()) message += "; did you mean \"" + closest + "\"?";
  if (HasLoneLf(ReadFileBytes(file))) {
    message += " (the file ends lines with a lone LF, which ends no line for the component)";
  }
  session.Fail(message);
  return false;
}

}  // namespace vx4820cal::cli
