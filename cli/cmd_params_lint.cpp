// params lint: static checks of the parameters file, with line numbers.
#include "cli/cmd_params_lint.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "calparams/parameters_file.h"
#include "cli/cmd_params_common.h"
#include "cli/tool_session.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {
namespace {

std::string Severity(bool error, bool colour) {
  if (!colour) return error ? "error" : "warning";
  return error ? "\x1b[31merror\x1b[0m" : "\x1b[33mwarning\x1b[0m";
}

int Report(const std::filesystem::path& file, std::vector<LintFinding> findings, bool colour) {
  std::stable_sort(findings.begin(), findings.end(),
                   [](const LintFinding& a, const LintFinding& b) { return a.line < b.line; });
  size_t errors = 0;
  for (const LintFinding& finding : findings) {
    errors += finding.error ? 1 : 0;
    std::cout << file.string() << ':' << finding.line << ": " << Severity(finding.error, colour) << ": "
              << finding.message << '\n';
  }
  size_t warnings = findings.size() - errors;
  if (findings.empty()) {
    std::cout << file.string() << ": no findings\n";
  } else {
    std::cout << errors << (errors == 1 ? " error, " : " errors, ") << warnings
              << (warnings == 1 ? " warning\n" : " warnings\n");
  }
  return errors == 0 ? kExitOk : kExitError;
}

int RunParamsLint(const Invocation& invocation, const std::string& base) {
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
      std::cout << paths.source.string() << ": error: neither this file nor " << paths.working_copy.filename().string()
                << " exists: the load fails (error 53)\n";
      return kExitError;
    }
    LintResult result = ScanParametersFile(ReadFileBytes(file), plain_source);
    FindTies(result.records, result.findings);
    CheckRecords(result.records, result.findings);
    return Report(file, std::move(result.findings), invocation.colour);
  });
}

CommandBody DefineParamsLint(CLI::App& app) {
  auto base = std::make_shared<std::string>(kDefaultParametersName);
  AddBaseNameOption(app, *base);
  return [base](const Invocation& invocation) { return RunParamsLint(invocation, *base); };
}

const bool kRegistered =
    RegisterCommand({"params lint", "Check the parameters file for lines the component misreads.",
                     "Checks BASE.ini in the component folder (BASE.dat when there is no .ini) and prints\n"
                     "FILE:LINE: error|warning: text for each finding. Errors make a load stop or a lookup\n"
                     "fail: lines of no known kind, refused parameter lines, version keys that are no\n"
                     "16-bit number, records that tie for some radio, lines ended by a lone LF. Warnings:\n"
                     "parameter lines read as header keys because they hold a key word, sections whose\n"
                     "records never match, decimals in band-limits fields kept as whole numbers.\n"
                     "Exit status 0 without errors, 1 with any.\n",
                     DefineParamsLint});

}  // namespace
}  // namespace vx4820cal::cli
