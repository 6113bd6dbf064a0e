#include "cli/lint_report.h"

#include <algorithm>
#include <iostream>

#include "cli/command.h"
#include "cli/json_output.h"

namespace vx4820cal::cli {
namespace {

std::string Severity(bool error, bool colour) {
  if (!colour) return error ? "error" : "warning";
  return error ? "\x1b[31merror\x1b[0m" : "\x1b[33mwarning\x1b[0m";
}

void PrintText(const std::filesystem::path& file, const std::vector<LintFinding>& findings, size_t errors,
               const LintForm& form, const std::vector<std::string>& notes) {
  for (const std::string& note : notes) std::cout << file.string() << ": " << note << '\n';
  for (const LintFinding& finding : findings) {
    std::cout << file.string() << ':' << finding.line << ": " << Severity(finding.error, form.colour) << ": "
              << finding.message << '\n';
  }
  size_t warnings = findings.size() - errors;
  if (findings.empty()) {
    std::cout << file.string() << ": no findings\n";
  } else {
    std::cout << errors << (errors == 1 ? " error, " : " errors, ") << warnings
              << (warnings == 1 ? " warning\n" : " warnings\n");
  }
}

void PrintDocument(const std::filesystem::path& file, const std::vector<LintFinding>& findings, size_t errors,
                   const std::vector<std::string>& notes) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const LintFinding& finding : findings) {
    list.push_back(
        {{"line", finding.line}, {"severity", finding.error ? "error" : "warning"}, {"message", finding.message}});
  }
  PrintJson({{"file", file.string()},
             {"notes", notes},
             {"findings", list},
             {"errors", errors},
             {"warnings", findings.size() - errors}});
}

}  // namespace

int ReportFindings(const std::filesystem::path& file, std::vector<LintFinding> findings, const LintForm& form,
                   const std::vector<std::string>& notes) {
  std::stable_sort(findings.begin(), findings.end(),
                   [](const LintFinding& a, const LintFinding& b) { return a.line < b.line; });
  size_t errors = static_cast<size_t>(
      std::count_if(findings.begin(), findings.end(), [](const LintFinding& f) { return f.error; }));
  if (form.json) {
    PrintDocument(file, findings, errors, notes);
  } else {
    PrintText(file, findings, errors, form, notes);
  }
  return errors == 0 ? kExitOk : kExitError;
}

}  // namespace vx4820cal::cli
