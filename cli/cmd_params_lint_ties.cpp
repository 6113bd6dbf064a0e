// The record checks of params lint: ties that make a lookup fail, records that can
// never match, and decimals in the band-limits table's whole-number fields.
#include <algorithm>
#include <optional>
#include <set>
#include <unordered_map>

#include "calparams/list_form.h"
#include "cli/cmd_params_lint.h"
#include "common/common_globals.h"
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

// A name both lists admit ("any" when both are default lists), or none.
std::optional<std::string> CommonName(std::string_view list_a, bool default_a, std::string_view list_b, bool default_b,
                                      bool empty_allowed) {
  if (default_a && default_b) return "any";
  std::vector<std::string_view> a = Askable(list_a, empty_allowed);
  std::vector<std::string_view> b = Askable(list_b, empty_allowed);
  if (default_a) return b.empty() ? std::nullopt : std::optional<std::string>(b.front());
  if (default_b) return a.empty() ? std::nullopt : std::optional<std::string>(a.front());
  for (std::string_view entry : a) {
    for (std::string_view other : b) {
      if (EqualsNoCase(entry, other)) return std::string(entry);
    }
  }
  return std::nullopt;
}

// A radio both conditions apply to, described for a person, or none.
std::optional<std::string> CommonRadio(const ParameterConditions& a, const ParameterConditions& b) {
  int lowest = std::max({0, static_cast<int>(a.hw_version_start), static_cast<int>(b.hw_version_start)});
  int highest = std::min({9999, static_cast<int>(a.hw_version_stop), static_cast<int>(b.hw_version_stop)});
  if (lowest > highest) return std::nullopt;
  auto common = [](const calparams::ConditionList& la, const calparams::ConditionList& lb, bool empty_allowed) {
    return CommonName(la.form, la.is_default, lb.form, lb.is_default, empty_allowed);
  };
  auto band = common(*a.bands, *b.bands, false);
  auto model = common(*a.models, *b.models, false);
  auto option = common(*a.radio_options, *b.radio_options, true);
  if (!band || !model || !option) return std::nullopt;
  auto named = [](const std::string& what, const std::string& name) {
    return name == "any" ? "any " + what : what + " \"" + name + "\"";
  };
  return named("band", *band) + ", " + named("model", *model) + ", hardware version " + std::to_string(lowest) + ", " +
         named("radio option", *option);
}

void CheckPair(const LintRecord& earlier, const LintRecord& later, std::vector<LintFinding>& findings, bool& found) {
  bool same_name = earlier.name == later.name;
  if (same_name && earlier.conditions->Weighting() != later.conditions->Weighting()) return;
  std::optional<std::string> radio = CommonRadio(*earlier.conditions, *later.conditions);
  if (!radio) return;
  std::string message = "\"" + later.name + "\" ties with line " + std::to_string(earlier.line) + " in table \"" +
                        later.conditions->table->name + "\"";
  message += same_name ? " (both weighting " + std::to_string(later.conditions->Weighting()) + ")"
                       : " (the names differ only in case; it fails where both are the best of their spelling)";
  findings.push_back({later.line, true, message + ": the lookup for " + *radio + " fails (error 457)"});
  found = true;
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

void FindTies(const std::vector<LintRecord>& records, std::vector<LintFinding>& findings) {
  std::unordered_map<std::string, std::vector<const LintRecord*>> groups;
  for (const LintRecord& record : records) {
    groups[record.conditions->table->key + '\n' + UCase(record.name)].push_back(&record);
  }
  for (const LintRecord& record : records) {
    // Each record is named once, with the first earlier record it ties with.
    for (const LintRecord* earlier : groups[record.conditions->table->key + '\n' + UCase(record.name)]) {
      if (earlier == &record) break;
      bool found = false;
      CheckPair(*earlier, record, findings, found);
      if (found) break;
    }
  }
}

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
