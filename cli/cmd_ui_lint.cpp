// ui lint: the UI field data file's problems with their lines, as the component's
// reader would meet them: duplicate UIIDs, cells that do not convert, rows that do not
// fit the header, unknown or missing key-word columns, UTF-8 text.
#include <CLI/CLI.hpp>

#include "cli/command.h"
#include "cli/lint_report.h"
#include "cli/tool_session.h"
#include "cli/ui_file_linter.h"
#include "cli/why_unreadable.h"
#include "common/text_file.h"
#include "ui/user_interface_module.h"
#include "vx4820cal/component.h"

namespace vx4820cal::cli {
namespace {

int RunUiLint(const Invocation& invocation, bool json) {
  ToolSession session(invocation);
  return session.Run([&] {
    std::filesystem::path file = ComponentFolder() / kUserFieldFileName;
    if (std::string why = WhyUnreadable(file); !why.empty()) {
      session.Fail(file.string() + ": " + why + " (the component then goes without field metadata, silently)");
      return kExitError;
    }
    std::string bytes = ReadFileBytes(file);
    return ReportFindings(file, LintUiFieldFile(bytes), {json, invocation.colour});
  });
}

const bool kRegistered =
    RegisterCommand({"ui lint", "Check the UI field data file for lines the component misreads or drops.",
                     "Checks DIR/VX4820CAL_UI_U.dat (plain or \"PCA Set\" scrambled) and prints\n"
                     "FILE:LINE: error|warning: text for each finding, with the file's line numbers.\n"
                     "Errors change what the host is told: a UIID that comes twice (any letter case), a\n"
                     "cell that does not convert (named with its column), a filled cell beyond the header,\n"
                     "a line without UIID, no UIID column, a UTF-8 byte order mark. Warnings: rows with\n"
                     "fewer cells than the header, unknown or missing key-word columns, UTF-8 text.\n"
                     "Exit status 0 without errors, 1 with any.\n",
                     WithFormatOption(RunUiLint)});

}  // namespace
}  // namespace vx4820cal::cli
