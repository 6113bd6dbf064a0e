#pragma once
// Static checks of a calibration parameters file for the people who edit it: each
// finding names its line as the component counts lines (in the plain source, the
// editor's line numbers when the file ends lines with CR LF).
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calparams/parameter_conditions.h"
#include "cli/lint_report.h"

namespace vx4820cal::cli {

// A parameter line the component would turn into a record.
struct LintRecord {
  size_t line = 0;
  size_t section_line = 0;  // its section header, 0 before any
  std::string name;
  std::string value;  // as written
  calparams::SharedConditions conditions;
};

struct LintResult {
  std::vector<LintFinding> findings;
  std::vector<LintRecord> records;
};

// Reads the file through the loader's own line walk: a plain source as the working
// copy regenerated from it would hold it, a working copy with its scrambled lines.
// Reads on past the lines that would stop the load; the first of them is marked.
// Line numbers are the file's own (a working copy's marker lines counted).
LintResult ScanParametersFile(const std::filesystem::path& file, bool plain_source);

// Records that can never match, and decimals where the band-limits table keeps whole
// numbers.
void CheckRecords(const std::vector<LintRecord>& records, std::vector<LintFinding>& findings);

}  // namespace vx4820cal::cli
