// params lint: static checks of the parameters file, with line numbers.
#include "cli/cmd_params_lint.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "calparams/parameters_file.h"
#include "cli/cmd_params_common.h"
#include "cli/lint_tie_finder.h"
#include "cli/parameters_diagnosis.h"
#include "cli/tool_session.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {
namespace {

// Which file the component reads for the source, and a warning when that is a working
// copy that is not regenerated (not older than the source) but no longer holds it.
std::vector<std::string> ReadingNotes(const calparams::ParametersFilePaths& paths, std::vector<LintFinding>& findings) {
  std::string copy_name = paths.working_copy.filename().string();
  if (!WorkingCopyIsKept(paths)) return {"the component reads " + copy_name + ", made from this file at the next load"};
  std::vector<std::string> notes = {"the component reads " + copy_name + " as it stands: this file is not newer, so " +
                                    copy_name + " is not made again"};
  size_t line = StaleWorkingCopyLine(paths);
  if (line != 0) {
    // The copy's line N holds the source's line N - 1, after the marker.
    findings.push_back({std::max<size_t>(line, 2) - 1, false,
                        copy_name + " is newer than this file but differs from it from here on (its line " +
                            std::to_string(line) +
                            "): the component reads the other text; save this file again, or "
                            "remove " +
                            copy_name + ", to have it made anew"});
  }
  return notes;
}

int RunParamsLint(const Invocation& invocation, const std::string& base, bool json) {
  try {
    calparams::RequireBaseName(base);
  } catch (const Error&) {
    throw UsageError{"--name takes a base name inside the component folder, not '" + base + "'"};
  }
  ToolSession session(invocation);
  return session.Run([&] {
    calparams::ParametersFilePaths paths = calparams::PathsOf(base);
    // People edit the plain source; the working copy alone is checked when it is all there is.
    bool plain_source = std::filesystem::exists(paths.source);
    const std::filesystem::path& file = plain_source ? paths.source : paths.working_copy;
    if (!plain_source && !std::filesystem::exists(file)) {
      session.Fail(paths.source.string() + " and " + paths.working_copy.filename().string() +
                   ": neither exists: the load fails (error 53)");
      return kExitError;
    }
    LintResult result = ScanParametersFile(file, plain_source);
    std::vector<std::string> notes = plain_source
                                         ? ReadingNotes(paths, result.findings)
                                         : std::vector<std::string>{"the component reads this file (there is no " +
                                                                    paths.source.filename().string() + ")"};
    LintTieFinder().Find(result.records, result.findings);
    CheckRecords(result.records, result.findings);
    return ReportFindings(file, std::move(result.findings), {json, invocation.colour}, notes);
  });
}

CommandBody DefineParamsLint(CLI::App& app) {
  struct Given {
    std::string base = kDefaultParametersName;
    bool json = false;
  };
  auto given = std::make_shared<Given>();
  AddBaseNameOption(app, given->base);
  AddFormatOption(app, given->json);
  return [given](const Invocation& invocation) { return RunParamsLint(invocation, given->base, given->json); };
}

const bool kRegistered =
    RegisterCommand({"params lint", "Check the parameters file for lines the component misreads.",
                     "Reads BASE.ini in the component folder (BASE.dat when there is no .ini) through the\n"
                     "loader's own line walk and prints FILE:LINE: error|warning: text for each finding,\n"
                     "with the file's line numbers, after a line saying which file the component reads.\n"
                     "Errors make a load stop or a lookup fail: lines of no known kind, refused parameter\n"
                     "lines, a misspelled key word (\"Bnads\": did you mean \"Bands\"), version keys that are\n"
                     "no 16-bit number, records that tie for some radio, lines ended by a lone LF, a byte\n"
                     "order mark, an empty file or one without records. Warnings: a newer BASE.dat that\n"
                     "holds another text (the component reads that), UTF-8 text, parameter lines read as\n"
                     "header keys, sections whose records never match, decimals in band-limits fields kept\n"
                     "as whole numbers. Exit status 0 without errors, 1 with any.\n",
                     DefineParamsLint});

}  // namespace
}  // namespace vx4820cal::cli
