// The record checks of params lint: records that can never match, and decimals in
// the band-limits table's whole-number fields.
#include <algorithm>
#include <set>

#include "calparams/parameter_conditions.h"
#include "cli/cmd_params_lint.h"
#include "common/conversions.h"
#include "common/text.h"

namespace vx4820cal::cli {
namespace {

using calparams::ParameterConditions;

// The entries of a list a radio can have: every entry, or the non-empty ones where
// the asked name may not be empty (bands and models).
std::vector<std::string_view> Askable(std::string_view list_form, bool empty_allowed) {
  std::vector<std::string_view> entries = calparams::ListEntries(list_form);
  if (!empty_allowed) std::erase(entries, std::string_view());
  return entries;
}

bool NeverMatches(const ParameterConditions& c, std::string& why) {
  if (c.hw_version_start > c.hw_version_stop) {
    why = "the version range " + std::to_string(c.hw_version_start) + " to " + std::to_string(c.hw_version_stop) +
          " is reversed";
  } else if (!c.radio_options->is_default && calparams::ListEntries(c.radio_options->form).empty()) {
    why = "no radio options are in force (state RadioOptions, e.g. \"RadioOptions = DEFAULT\")";
  } else if (!c.bands->is_default && Askable(c.bands->form, false).empty()) {
    why = "the band list names no band";
  } else if (!c.models->is_default && Askable(c.models->form, false).empty()) {
    why = "the model list names no model";
  }
  return !why.empty();
}

// The band-limits fields that hold whole numbers.
const std::set<std::string>& WholeNumberFields() {
  static const std::set<std::string> fields = {"BANDTYPE",
                                               "TCXO",
                                               "REFERENCEFREQRX",
                                               "REFERENCEFREQTX",
                                               "IFFREQUENCY",
                                               "PRESCALAR",
                                               "N2",
                                               "R2",
                                               "FREQMAX",
                                               "FREQMIN",
                                               "M1_NUMERATOR",
                                               "M2_NUMERATOR",
                                               "M3_NUMERATOR",
                                               "DEF_M1_SCALAR",
                                               "DEF_M2_SCALAR",
                                               "DEF_M3_SCALAR",
                                               "LO_SIDEINJECTION"};
  return fields;
}

}  // namespace

void CheckRecords(const std::vector<LintRecord>& records, std::vector<LintFinding>& findings) {
  const ParameterConditions* reported = nullptr;
  for (const LintRecord& record : records) {
    std::string why;
    if (record.conditions.get() != reported && NeverMatches(*record.conditions, why)) {
      findings.push_back({record.line, false,
                          "the records of section \"" + record.conditions->table->name + "\" (line " +
                              std::to_string(record.section_line) + ") from this line on never match: " + why});
    }
    reported = record.conditions.get();
    if (record.conditions->table->key == "BANDLIMITS" && WholeNumberFields().count(UCase(record.name)) != 0 &&
        IsDouble(record.value)) {
      findings.push_back({record.line, false,
                          "\"" + record.name + "\" = " + record.value +
                              ": the band-limits table holds this field as a whole number and rounds the value"});
    }
  }
}

}  // namespace vx4820cal::cli
