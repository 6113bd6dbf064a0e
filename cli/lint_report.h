#pragma once
// The findings of a lint command and how they are shown: "FILE:LINE: severity: text"
// in line order and a count, or one JSON document.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vx4820cal::cli {

struct LintFinding {
  size_t line = 0;
  bool error = false;  // changes what the component reads or answers
  std::string message;
  bool stops_load = false;  // the reading ends at this line
};

struct LintForm {
  bool json = false;
  bool colour = false;
};

// Prints the findings about file; exit 1 when any is an error. notes are lines said
// about the file as a whole before the findings (in JSON: "notes").
int ReportFindings(const std::filesystem::path& file, std::vector<LintFinding> findings, const LintForm& form,
                   const std::vector<std::string>& notes = {});

}  // namespace vx4820cal::cli
