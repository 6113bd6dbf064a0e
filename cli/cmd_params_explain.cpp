// params explain: how the lookup of one radio comes about: every record of the table
// with its line, whether it matched and why not, its weighting, and which record
// gives each name (or why the lookup fails).
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "calparams/calibration_parameter.h"
#include "calparams/calibration_parameters.h"
#include "calparams/parameters_file.h"
#include "calparams/table_lookup.h"
#include "cli/cmd_params_common.h"
#include "cli/json_output.h"
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

struct RecordRow {
  const clsCalibrationParameter* record;
  bool matches;
  std::string result;
};

// Every record of the table judged for the radio; or, when no record can be checked,
// why not.
struct Explanation {
  std::string unchecked;
  std::vector<RecordRow> rows;
  size_t matching = 0;
  LookupOutcome outcome;
};

Explanation ExplainTable(const clsCalibrationParameters& store, const RadioArguments& radio) {
  Explanation explanation;
  calparams::MatchQuery query(radio.band, radio.model, radio.hw_version, radio.table, radio.radio_option);
  if (!query.valid) {
    explanation.unchecked =
        store.Records().empty()
            ? "The store is empty: the lookup answers an empty table without checking its arguments."
            : "Every record's check fails with \"Invalid data\": the table, band and model must not "
              "be\nempty and the hardware version must lie within 0 to 9999.";
    return explanation;
  }
  calparams::Matches matches;
  std::vector<MatchStage> stages;
  for (uint32_t position : store.PositionsOfTable(radio.table)) {
    const clsCalibrationParameter& record = store.Records()[position];
    stages.push_back(record.Explain(query));
    if (stages.back() == MatchStage::kMatched) matches.push_back(&record);
  }
  explanation.outcome = JudgeMatches(matches);
  explanation.matching = matches.size();
  size_t i = 0;
  for (uint32_t position : store.PositionsOfTable(radio.table)) {
    const clsCalibrationParameter& record = store.Records()[position];
    MatchStage stage = stages[i++];
    bool matched = stage == MatchStage::kMatched;
    explanation.rows.push_back(
        {&record, matched,
         matched ? explanation.outcome.result[&record] : "no match: " + WhyNot(record, radio, stage)});
  }
  return explanation;
}

void PrintExplanation(const Explanation& explanation) {
  if (!explanation.unchecked.empty()) {
    std::cout << explanation.unchecked << '\n';
    return;
  }
  std::cout << explanation.rows.size() << " records of the table, " << explanation.matching << " matching.\n\n";
  std::vector<std::vector<std::string>> rows = {{"Line", "Name", "Weight", "Value", "Result"}};
  for (const RecordRow& row : explanation.rows) {
    rows.push_back({std::to_string(row.record->SourceLine()), row.record->ParameterName(),
                    std::to_string(row.record->Weighting()), std::string(row.record->Value()), row.result});
  }
  if (rows.size() > 1) {
    PrintColumns(std::cout, rows, {0, 2});
    std::cout << '\n';
  }
  if (!explanation.outcome.failure.empty()) {
    std::cout << "The lookup fails: " << explanation.outcome.failure << ".\n";
    return;
  }
  std::cout << "Answer (" << explanation.outcome.answer.size() << " entries, in this order):\n";
  for (const clsCalibrationParameter* entry : explanation.outcome.answer) {
    std::cout << "  " << entry->ParameterName() << " = " << entry->Value() << "  (line " << entry->SourceLine()
              << ")\n";
  }
}

void PrintRefusedLines(const clsCalibrationParameters& store) {
  if (store.UnfilledPositions().empty()) return;
  std::cout << "\nRefused lines kept as empty records, each reported by every lookup (\"Invalid data\"):";
  for (uint32_t position : store.UnfilledPositions()) std::cout << ' ' << store.Records()[position].SourceLine();
  std::cout << '\n';
}

nlohmann::ordered_json Document(const RadioArguments& radio, const std::filesystem::path& file, bool loaded,
                                const Explanation& explanation, const clsCalibrationParameters& store) {
  nlohmann::ordered_json records = nlohmann::ordered_json::array();
  for (const RecordRow& row : explanation.rows) {
    records.push_back({{"line", row.record->SourceLine()},
                       {"name", row.record->ParameterName()},
                       {"weighting", row.record->Weighting()},
                       {"value", row.record->Value()},
                       {"matches", row.matches},
                       {"result", row.result}});
  }
  nlohmann::ordered_json answer = nlohmann::ordered_json::array();
  for (const clsCalibrationParameter* entry : explanation.outcome.answer) {
    answer.push_back({{"name", entry->ParameterName()}, {"value", entry->Value()}, {"line", entry->SourceLine()}});
  }
  nlohmann::ordered_json refused = nlohmann::ordered_json::array();
  for (uint32_t position : store.UnfilledPositions()) refused.push_back(store.Records()[position].SourceLine());
  nlohmann::ordered_json document = RadioDocument(radio);
  document.update({{"file", file.string()},
                   {"loaded", loaded},
                   {"records", records},
                   {"answer", answer},
                   {"refused_lines", refused}});
  document["failure"] = explanation.outcome.failure.empty() ? nlohmann::ordered_json()
                                                            : nlohmann::ordered_json(explanation.outcome.failure);
  if (!explanation.unchecked.empty()) document["unchecked"] = explanation.unchecked;
  return document;
}

int RunParamsExplain(const Invocation& invocation, const RadioArguments& radio) {
  ToolSession session(invocation);
  return session.Run([&] {
    auto store = std::make_shared<clsCalibrationParameters>();
    bool loaded = store->LoadFile(radio.base_name);
    calparams::ParametersFilePaths paths = calparams::PathsOf(radio.base_name);
    bool from_source = std::filesystem::exists(paths.source);
    if (from_source && WorkingCopyIsKept(paths)) {
      if (size_t line = StaleWorkingCopyLine(paths); line != 0) {
        // The records' lines are those of the text the copy was made from.
        session.Diagnose(paths.source.string() + ":" + std::to_string(std::max<size_t>(line, 2) - 1) + ": " +
                         paths.working_copy.filename().string() +
                         " is newer than this file but holds another text from here on: the component reads that "
                         "text, not this file's");
        from_source = false;
      }
    }
    const std::filesystem::path& file = from_source ? paths.source : paths.working_copy;
    if (!loaded) DiagnoseFailedLoad(session, radio.base_name);
    Explanation explanation = ExplainTable(*store, radio);
    if (radio.json) {
      PrintJson(Document(radio, file, loaded, explanation, *store));
    } else {
      std::cout << "Table " << Quoted(radio.table) << " for band " << Quoted(radio.band) << ", model "
                << Quoted(radio.model) << ", hardware version " << radio.hw_version << ", radio option "
                << Quoted(radio.radio_option) << "\nLines of " << file.string()
                << (from_source ? " (loaded through its working copy)" : "") << '\n';
      if (!loaded) std::cout << "The load stopped early (see the report); the records read before it are shown.\n";
      std::cout << '\n';
      PrintExplanation(explanation);
      PrintRefusedLines(*store);
    }
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
