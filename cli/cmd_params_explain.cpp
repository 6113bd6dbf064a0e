// params explain: how the lookup of one radio comes about: every record of the table
// with its line, whether it matched and why not, its weighting, and which record
// gives each name (or why the lookup fails).
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "calparams/best_selection.h"
#include "calparams/parameter_store.h"
#include "calparams/parameters_file.h"
#include "cli/cmd_params_common.h"
#include "cli/lookup_outcome.h"
#include "cli/parameters_diagnosis.h"
#include "cli/tool_session.h"
#include "common/text.h"

namespace vx4820cal::cli {
namespace {

using calparams::MatchStage;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Why a record of the table does not apply to the radio.
std::string WhyNot(const clsCalibrationParameter& record, const RadioArguments& radio, MatchStage stage) {
  const calparams::ParameterConditions& c = *record.Conditions();
  switch (stage) {
    case MatchStage::kMatched: return "";
    case MatchStage::kTable: return "other table";
    case MatchStage::kVersion:
      return "version " + std::to_string(radio.hw_version) + " outside " + std::to_string(c.hw_version_start) + ".." +
             std::to_string(c.hw_version_stop);
    case MatchStage::kBand: return "band " + Quoted(radio.band) + " not in " + ListForPeople(c.bands->form);
    case MatchStage::kModel: return "model " + Quoted(radio.model) + " not in " + ListForPeople(c.models->form);
    case MatchStage::kRadioOption:
      return "radio option " + Quoted(radio.radio_option) + " not in " + ListForPeople(c.radio_options->form);
  }
  return "";
}

void ExplainTable(const clsCalibrationParameters& store, const RadioArguments& radio) {
  calparams::MatchQuery query(radio.band, radio.model, radio.hw_version, radio.table, radio.radio_option);
  if (!query.valid) {
    std::cout << (store.Records().empty()
                      ? "The store is empty: the lookup answers an empty table without checking its arguments.\n"
                      : "Every record's check fails with \"Invalid data\": the table, band and model must not be\n"
                        "empty and the hardware version must lie within 0 to 9999.\n");
    return;
  }
  std::vector<std::vector<std::string>> rows = {{"Line", "Name", "Weight", "Value", "Result"}};
  calparams::Matches matches;
  for (uint32_t position : store.PositionsOfTable(radio.table)) {
    const clsCalibrationParameter& record = store.Records()[position];
    if (record.Explain(query) == MatchStage::kMatched) matches.push_back(&record);
  }
  LookupOutcome verdicts = JudgeMatches(matches);
  for (uint32_t position : store.PositionsOfTable(radio.table)) {
    const clsCalibrationParameter& record = store.Records()[position];
    MatchStage stage = record.Explain(query);
    rows.push_back(
        {std::to_string(record.SourceLine()), record.ParameterName(), std::to_string(record.Weighting()),
         std::string(record.Value()),
         stage == MatchStage::kMatched ? verdicts.result[&record] : "no match: " + WhyNot(record, radio, stage)});
  }
  std::cout << store.PositionsOfTable(radio.table).size() << " records of the table, " << matches.size()
            << " matching.\n\n";
  if (rows.size() > 1) {
    PrintColumns(std::cout, rows, {0, 2});
    std::cout << '\n';
  }
  if (!verdicts.failure.empty()) {
    std::cout << "The lookup fails: " << verdicts.failure << ".\n";
  } else {
    std::cout << "Answer (" << verdicts.answer.size() << " entries, in this order):\n";
    for (const clsCalibrationParameter* entry : verdicts.answer) {
      std::cout << "  " << entry->ParameterName() << " = " << entry->Value() << "  (line " << entry->SourceLine()
                << ")\n";
    }
  }
}

void ExplainRefusedLines(const clsCalibrationParameters& store) {
  if (store.UnfilledPositions().empty()) return;
  std::cout << "\nRefused lines kept as empty records, each reported by every lookup (\"Invalid data\"):";
  for (uint32_t position : store.UnfilledPositions()) std::cout << ' ' << store.Records()[position].SourceLine();
  std::cout << '\n';
}

int RunParamsExplain(const Invocation& invocation, const RadioArguments& radio) {
  ToolSession session(invocation);
  return session.Run([&] {
    auto store = std::make_shared<clsCalibrationParameters>();
    bool loaded = store->LoadFile(radio.base_name);
    calparams::ParametersFilePaths paths = calparams::PathsOf(radio.base_name);
    bool from_source = std::filesystem::exists(paths.source);
    std::cout << "Table " << Quoted(radio.table) << " for band " << Quoted(radio.band) << ", model "
              << Quoted(radio.model) << ", hardware version " << radio.hw_version << ", radio option "
              << Quoted(radio.radio_option) << "\nLines of "
              << (from_source ? paths.source : paths.working_copy).string()
              << (from_source ? " (loaded through its working copy)" : "") << '\n';
    if (!loaded) std::cout << "The load stopped early (see the report); the records read before it are shown.\n";
    std::cout << '\n';
    if (!loaded) DiagnoseFailedLoad(session, radio.base_name);
    ExplainTable(*store, radio);
    ExplainRefusedLines(*store);
    return loaded && RequireTable(session, *store, radio.base_name, radio.table) ? kExitOk : kExitError;
  });
}

CommandBody DefineParamsExplain(CLI::App& app) {
  auto radio = AddRadioOptions(app);
  return [radio](const Invocation& invocation) { return RunParamsExplain(invocation, radio()); };
}

const bool kRegistered =
    RegisterCommand({"params explain", "Show how the lookup of one radio picks each parameter.",
                     "Loads BASE as 'params table' does and lists every record of table T with its\n"
                     "line in the plain source, its weighting (4 band, 2 model, 1 radio option named),\n"
                     "whether it matches the radio and why not, and which record gives each name. Ties\n"
                     "that make the lookup fail are named.\n",
                     DefineParamsExplain});

}  // namespace
}  // namespace vx4820cal::cli
