// ui dump / ui get: the field metadata the component reads from its UI field data file.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "cli/json_output.h"
#include "cli/tool_session.h"
#include "cli/ui_file_linter.h"
#include "cli/why_unreadable.h"
#include "common/text_file.h"
#include "ui/tier_ui.h"
#include "ui/user_fields.h"
#include "ui/user_interface_module.h"
#include "vx4820cal/component.h"

namespace vx4820cal::cli {
namespace {

const char* BooleanText(bool value) { return value ? "true" : "false"; }

std::filesystem::path DataFile() { return ComponentFolder() / kUserFieldFileName; }

// Rows go to one buffer, written out in large pieces: a million rows cost neither a
// stream call per cell nor a buffer as large as the whole dump. A row is written
// through a pointer into room for its longest form, which the buffer has without
// being filled first.
class DumpWriter {
 public:
  void Row(const clsUserField& field) {
    const std::string_view texts[] = {field.UIIDView(),     field.LabelView(),
                                      field.UnitsView(),    field.SpclRestrictionsView(),
                                      field.NavLabelView(), field.ATGridIDView()};
    size_t longest = 5 * kNumberDigits + 2 * std::string_view("false").size() + 13;
    for (std::string_view text : texts) longest += text.size();
    MakeRoom(longest);
    at_ = buffer_.get() + used_;
    Cell(field.UIIDView());
    Cell(field.LabelView());
    Number(field.HelpID());
    Cell(field.UnitsView());
    Number(field.UIWidth());
    Number(field.UIWidthDefault());
    Number(field.FactAccessLevelNumber());
    Cell(BooleanText(field.FactButCustVis()));
    Number(field.CustAccessLevelNumber());
    Cell(field.SpclRestrictionsView());
    Cell(field.NavLabelView());
    Cell(field.ATGridIDView());
    Cell(BooleanText(field.DecimalSymbol()));
    at_[-1] = '\n';
    used_ = static_cast<size_t>(at_ - buffer_.get());
    if (used_ >= kPiece) Flush();
  }
  void Flush() {
    if (used_ == 0) return;
    std::cout.write(buffer_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
  }

 private:
  static constexpr size_t kPiece = size_t{64} << 10;
  static constexpr size_t kNumberDigits = 11;  // "-2147483648"

  // Room for `bytes` more: a full piece goes out first, and only a row longer than the
  // buffer makes it grow.
  void MakeRoom(size_t bytes) {
    if (capacity_ - used_ >= bytes) return;
    Flush();
    if (capacity_ >= bytes) return;
    capacity_ = std::max(bytes, 2 * kPiece);
    buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
  }
  void Cell(std::string_view text) {
    std::memcpy(at_, text.data(), text.size());
    at_ += text.size();
    *at_++ = '\t';
  }
  void Number(int32_t value) {
    at_ = std::to_chars(at_, at_ + kNumberDigits, value).ptr;
    *at_++ = '\t';
  }
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = 0;
  size_t used_ = 0;
  char* at_ = nullptr;  // where the row being written goes on
};

nlohmann::ordered_json DumpObject(const clsUserField& field) {
  return {{"UIID", field.UIID()},
          {"Label", field.Label()},
          {"HelpID", field.HelpID()},
          {"Units", field.Units()},
          {"UIWidth", field.UIWidth()},
          {"UIWidthDefault", field.UIWidthDefault()},
          {"FactAccessLevel", field.FactAccessLevel()},
          {"FactButCustVis", field.FactButCustVis()},
          {"CustAccessLevel", field.CustAccessLevel()},
          {"SpclRestrictions", field.SpclRestrictions()},
          {"NavLabel", field.NavLabel()},
          {"ATGridID", field.ATGridID()},
          {"DecimalSymbol", field.DecimalSymbol()}};
}

// The line at which the reading of a file that could be opened stopped.
void DiagnoseStoppedReading(ToolSession& session) {
  for (const LintFinding& finding : LintUiFieldFile(ReadFileBytes(DataFile()))) {
    if (!finding.stops_load) continue;
    session.Fail(DataFile().string() + ":" + std::to_string(finding.line) + ": " + finding.message);
    return;
  }
  session.Fail(DataFile().string() + ": the reading stopped early");
}

int Dump(const Invocation& invocation, bool json) {
  ToolSession session(invocation);
  return session.Run([&] {
    colUserFields fields;
    std::string why = WhyUnreadable(DataFile());
    if (!why.empty()) session.Fail(DataFile().string() + ": " + why);
    if (!fields.ReadInDataFromTextFile(DataFile()) && why.empty()) DiagnoseStoppedReading(session);
    if (json) {
      nlohmann::ordered_json records = nlohmann::ordered_json::array();
      fields.ForEach([&](const clsUserField& field) { records.push_back(DumpObject(field)); });
      PrintJson(records);
      return kExitOk;
    }
    std::cout << "UIID\tLabel\tHelpID\tUnits\tUIWidth\tUIWidthDefault\tFactAccessLevel\tFactButCustVis\t"
                 "CustAccessLevel\tSpclRestrictions\tNavLabel\tATGridID\tDecimalSymbol\n";
    DumpWriter writer;
    fields.ForEach([&](const clsUserField& field) { writer.Row(field); });
    writer.Flush();
    return kExitOk;
  });
}

struct LookupRow {
  std::string operation;
  bool answered = false;
  std::string answer;
};

std::string AnswerText(const std::string& value) { return value.empty() ? "(empty)" : value; }
std::string AnswerText(bool value) { return BooleanText(value); }
template <class Number>
std::string AnswerText(Number value) {
  return std::to_string(value);
}

template <class Answer>
LookupRow Ask(ItierUserInterface& ui, const char* operation, const std::string& uiid,
              bool (ItierUserInterface::*lookup)(std::string&, Answer&)) {
  std::string key = uiid;
  Answer answer{};
  LookupRow row{operation, (ui.*lookup)(key, answer), {}};
  if (row.answered) row.answer = AnswerText(answer);
  return row;
}

// The ten lookups in the order of the interface's slots.
std::vector<LookupRow> AskAll(ItierUserInterface& ui, const std::string& uiid) {
  using UI = ItierUserInterface;
  return {Ask(ui, "GetATGridIDByUIID", uiid, &UI::GetATGridIDByUIID),
          Ask(ui, "GetCustAccessLevelByUIID", uiid, &UI::GetCustAccessLevelByUIID),
          Ask(ui, "GetNavLabelByUIID", uiid, &UI::GetNavLabelByUIID),
          Ask(ui, "GetHelpIdByUIID", uiid, &UI::GetHelpIdByUIID),
          Ask(ui, "GetUIWidthByUIID", uiid, &UI::GetUIWidthByUIID),
          Ask(ui, "GetLabelByUIID", uiid, &UI::GetLabelByUIID),
          Ask(ui, "GetUnitsByUIID", uiid, &UI::GetUnitsByUIID),
          Ask(ui, "GetFactoryVisible", uiid, &UI::GetFactoryVisible),
          Ask(ui, "GetCustVisInFact", uiid, &UI::GetCustVisInFact),
          Ask(ui, "GetDecimalSymbolByUIID", uiid, &UI::GetDecimalSymbolByUIID)};
}

// False when the field is not defined.
bool PrintLookups(std::ostream& out, const std::string& uiid, const std::vector<LookupRow>& rows) {
  bool any = false;
  for (const LookupRow& row : rows) any = any || row.answered;
  if (!any) {
    out << "Field \"" << uiid << "\" is not defined in " << DataFile().string()
        << (std::filesystem::exists(DataFile()) ? "" : " (the file does not exist)")
        << ": every lookup answers false.\n";
    return false;
  }
  out << "Field \"" << uiid << "\" (" << DataFile().string() << ")\n";
  size_t width = 0;
  for (const LookupRow& row : rows) width = std::max(width, row.operation.size());
  for (const LookupRow& row : rows) {
    out << "  " << row.operation << std::string(width - row.operation.size() + 2, ' ')
        << (row.answered ? row.answer : "(no answer)") << '\n';
  }
  return true;
}

int Get(const Invocation& invocation, const std::string& uiid) {
  ToolSession session(invocation);
  return session.Run([&] {
    std::shared_ptr<ItierUserInterface> ui = NewTierUI();
    std::shared_ptr<Itier> no_tier;
    ObjectRef no_schema_module;
    if (!ui->InitialiseUserInterface(no_tier, no_schema_module)) return kExitError;
    return PrintLookups(std::cout, uiid, AskAll(*ui, uiid)) ? kExitOk : kExitError;
  });
}

CommandBody DefineGet(CLI::App& app) {
  auto uiid = std::make_shared<std::string>();
  app.add_option("UIID", *uiid, "the field's UIID (any letter case)")->required();
  return [uiid](const Invocation& invocation) { return Get(invocation, *uiid); };
}

const bool kRegistered =
    RegisterCommand({"ui dump", "Print every field record of the UI field data file as a TSV.",
                     "Reads DIR/VX4820CAL_UI_U.dat (plain or \"PCA Set\" scrambled) into a new field\n"
                     "collection and prints a header line, then one line per record in file order,\n"
                     "tab separated; Booleans as true/false. A file that cannot be opened prints the\n"
                     "header only. Lines without a UIID are skipped; a duplicate UIID is reported\n"
                     "and dropped, and a line that cannot be read ends the reading (reported).\n",
                     WithFormatOption(Dump)}) &&
    RegisterCommand({"ui get", "Show the tier user interface's ten answers for one field.",
                     "Loads DIR/VX4820CAL_UI_U.dat as the tier does and asks each lookup of the\n"
                     "tier user interface for UIID (letter case does not matter). A field the file\n"
                     "does not define is said so plainly.\n",
                     DefineGet});

}  // namespace
}  // namespace vx4820cal::cli
