#pragma once
// The checks of the UI field data file, as the component's reader meets its lines:
// duplicate UIIDs, cells that do not convert, rows that do not fit the header,
// unknown key-word columns, UTF-8 text. Line numbers are the file's own.
#include <string_view>
#include <vector>

#include "cli/lint_report.h"

namespace vx4820cal::cli {

// The findings about the file's bytes; the first that ends the component's reading
// is marked stops_load.
std::vector<LintFinding> LintUiFieldFile(std::string_view bytes);

}  // namespace vx4820cal::cli
