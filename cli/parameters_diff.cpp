#include "cli/parameters_diff.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "calparams/calibration_parameter.h"
#include "calparams/calibration_parameters.h"
#include "calparams/parameter_conditions.h"
#include "calparams/table_lookup.h"
#include "cli/lookup_outcome.h"
#include "cli/store_tables.h"
#include "common/text.h"

namespace vx4820cal::cli {

bool AnswerChange::operator<(const AnswerChange& other) const {
  return std::tie(name, old_value, new_value) < std::tie(other.name, other.old_value, other.new_value);
}

namespace {

using Record = clsCalibrationParameter;
constexpr const char* kNone = "(none)";

// The values a dimension of the radio takes. Names that stand in the same lists
// (in any case) are answered alike and make one value, asked for by its first name;
// the last value stands for any name no list holds.
class Dimension {
 public:
  void AddList(const calparams::ConditionList& list) {
    if (list.is_default || !lists_.insert(&list).second) return;
    size_t id = lists_.size();
    for (std::string_view entry : calparams::ListEntries(list.form)) {
      if (entry.empty()) continue;
      auto [found, fresh] = lists_of_.try_emplace(UCase(entry));
      if (fresh) order_.push_back({found->first, std::string(entry)});
      if (found->second.empty() || found->second.back() != id) found->second.push_back(id);
    }
  }

  // Makes the values, "any other" last.
  void Finish() {
    std::map<std::vector<size_t>, size_t> value_of;  // the lists a name stands in
    std::vector<std::vector<std::string>> members;
    for (const auto& [upper, written] : order_) {
      auto [found, fresh] = value_of.try_emplace(lists_of_[upper], members.size());
      if (fresh) members.emplace_back();
      members[found->second].push_back(written);
    }
    for (const std::vector<std::string>& group : members) {
      names.push_back(group.front());
      labels.push_back(Label(group));
    }
    std::string other = "(any other)";
    while (lists_of_.count(UCase(other)) != 0) other += '~';
    names.push_back(other);
    labels.push_back(other);
  }

  std::vector<std::string> names;   // what each value's lookups ask for
  std::vector<std::string> labels;  // each value for a person

 private:
  static std::string Label(const std::vector<std::string>& group) {
    constexpr size_t kShown = 3;
    std::string label;
    for (size_t i = 0; i < group.size() && i < kShown; ++i) label += (i == 0 ? "" : " or ") + group[i];
    if (group.size() > kShown) label += " and " + std::to_string(group.size() - kShown) + " more";
    return label;
  }

  std::unordered_set<const calparams::ConditionList*> lists_;
  std::unordered_map<std::string, std::vector<size_t>> lists_of_;  // upper-cased name: its lists
  std::vector<std::pair<std::string, std::string>> order_;         // upper-cased, as written
};

// The radio classes of one table: bands x models x version stretches x options.
struct Classes {
  Dimension bands, models, options;
  std::vector<int16_t> versions;  // the first version of each stretch, ascending

  void AddRecords(const clsCalibrationParameters& store, const std::vector<uint32_t>& positions) {
    const calparams::ParameterConditions* previous = nullptr;
    for (uint32_t position : positions) {
      const calparams::ParameterConditions* c = store.Records()[position].Conditions();
      if (!c || c == previous) continue;
      previous = c;
      bands.AddList(*c->bands);
      models.AddList(*c->models);
      options.AddList(*c->radio_options);
      AddBreakpoint(c->hw_version_start);
      AddBreakpoint(static_cast<int32_t>(c->hw_version_stop) + 1);
    }
  }
  void AddBreakpoint(int32_t version) {
    if (calparams::IsVersionInRange(version)) versions.push_back(static_cast<int16_t>(version));
  }
  void Finish() {
    bands.Finish();
    models.Finish();
    options.Finish();
    versions.push_back(calparams::kLowestVersion);
    std::sort(versions.begin(), versions.end());
    versions.erase(std::unique(versions.begin(), versions.end()), versions.end());
  }
  std::array<size_t, 4> Sizes() const {
    return {bands.names.size(), models.names.size(), versions.size(), options.names.size()};
  }
};

using Class = std::array<size_t, 4>;  // band, model, version stretch, option

// The answer of one lookup: the entries by upper-cased name, or why it fails.
struct Answer {
  std::map<std::string, std::pair<std::string, std::string>> entries;  // key: name as written, value
  std::string failure;
};

Answer Ask(const clsCalibrationParameters& store, const std::vector<uint32_t>& positions,
           const calparams::MatchQuery& query) {
  calparams::Matches matches;
  for (uint32_t position : positions) {
    const Record& record = store.Records()[position];
    if (record.Conditions() && calparams::Evaluate(*record.Conditions(), query) == calparams::MatchStage::kMatched) {
      matches.push_back(&record);
    }
  }
  LookupOutcome outcome = JudgeMatches(matches);
  Answer answer{{}, outcome.failure};
  for (const Record* entry : outcome.answer) {
    answer.entries[UCase(entry->ParameterName())] = {entry->ParameterName(), std::string(entry->Value())};
  }
  return answer;
}

std::vector<AnswerChange> Compare(const Answer& before, const Answer& after) {
  if (!before.failure.empty() || !after.failure.empty()) {
    if (before.failure.empty() == after.failure.empty()) return {};
    return {{"", before.failure.empty() ? "answers" : "fails: " + before.failure,
             after.failure.empty() ? "answers" : "fails: " + after.failure}};
  }
  std::vector<AnswerChange> changes;
  std::set<std::string> keys;
  for (const auto& [key, entry] : before.entries) keys.insert(key);
  for (const auto& [key, entry] : after.entries) keys.insert(key);
  for (const std::string& key : keys) {
    auto old_entry = before.entries.find(key);
    auto new_entry = after.entries.find(key);
    std::string old_value = old_entry == before.entries.end() ? kNone : old_entry->second.second;
    std::string new_value = new_entry == after.entries.end() ? kNone : new_entry->second.second;
    if (old_value == new_value) continue;
    std::string name = new_entry == after.entries.end() ? old_entry->second.first : new_entry->second.first;
    changes.push_back({name, old_value, new_value});
  }
  return changes;
}

class Describer {
 public:
  explicit Describer(const Classes& classes) : classes_(classes) {}

  // The radios of a set of classes, as few descriptions as a product of the values of
  // each dimension allows.
  std::vector<std::string> Describe(const std::vector<Class>& set) const {
    std::array<std::set<size_t>, 4> values;
    for (const Class& c : set) {
      for (size_t d = 0; d < 4; ++d) values[d].insert(c[d]);
    }
    size_t product = 1;
    for (const auto& v : values) product *= v.size();
    if (product == set.size()) return {Text(values)};
    for (size_t d = 0; d < 4; ++d) {
      if (values[d].size() < 2) continue;
      std::vector<std::string> descriptions;
      for (size_t value : values[d]) {
        std::vector<Class> part;
        std::copy_if(set.begin(), set.end(), std::back_inserter(part), [&](const Class& c) { return c[d] == value; });
        std::vector<std::string> more = Describe(part);
        descriptions.insert(descriptions.end(), more.begin(), more.end());
      }
      return descriptions;
    }
    return {Text(values)};
  }

 private:
  std::string Names(const char* what, const Dimension& dimension, const std::set<size_t>& values) const {
    if (values.size() == dimension.names.size()) return std::string("any ") + what;
    std::string text;
    for (size_t value : values) {
      bool other = value + 1 == dimension.names.size();
      text += (text.empty() ? "" : " or ") + (other ? "any other " + std::string(what) : dimension.labels[value]);
    }
    return std::string(what) + " " + text;
  }
  std::string Versions(const std::set<size_t>& values) const {
    if (values.size() == classes_.versions.size()) return "any hardware version";
    std::string text;
    for (size_t value : values) {
      int first = classes_.versions[value];
      int last = value + 1 < classes_.versions.size() ? classes_.versions[value + 1] - 1 : calparams::kHighestVersion;
      text += (text.empty() ? "" : " or ") + std::to_string(first) + (first == last ? "" : ".." + std::to_string(last));
    }
    return "hardware version " + text;
  }
  std::string Text(const std::array<std::set<size_t>, 4>& values) const {
    return Names("band", classes_.bands, values[0]) + ", " + Names("model", classes_.models, values[1]) + ", " +
           Versions(values[2]) + ", " + Names("radio option", classes_.options, values[3]);
  }

  const Classes& classes_;
};

std::string DisplayName(const clsCalibrationParameters& store, const std::vector<uint32_t>& positions) {
  for (uint32_t position : positions) {
    if (const auto* c = store.Records()[position].Conditions()) return c->table->name;
  }
  return "";
}

// The records of a table by the bands they name, so that a band's lookups check only
// the records that can match it.
class RecordsByBand {
 public:
  RecordsByBand(const clsCalibrationParameters& store, const std::vector<uint32_t>& positions) {
    for (uint32_t position : positions) {
      const calparams::ParameterConditions* c = store.Records()[position].Conditions();
      if (!c) continue;
      if (c->bands->is_default) {
        any_.push_back(position);
        continue;
      }
      for (std::string_view entry : calparams::ListEntries(c->bands->form)) {
        std::vector<uint32_t>& named = named_[UCase(entry)];
        if (named.empty() || named.back() != position) named.push_back(position);
      }
    }
  }
  // In store order.
  std::vector<uint32_t> For(const std::string& band) const {
    auto found = named_.find(UCase(band));
    if (found == named_.end()) return any_;
    std::vector<uint32_t> positions;
    std::merge(any_.begin(), any_.end(), found->second.begin(), found->second.end(), std::back_inserter(positions));
    return positions;
  }

 private:
  std::vector<uint32_t> any_;
  std::unordered_map<std::string, std::vector<uint32_t>> named_;
};

TableDiff DiffTable(const clsCalibrationParameters& old_store, const clsCalibrationParameters& new_store,
                    const std::string& key) {
  std::vector<uint32_t> old_positions = old_store.PositionsOfTable(key);
  std::vector<uint32_t> new_positions = new_store.PositionsOfTable(key);
  Classes classes;
  classes.AddRecords(old_store, old_positions);
  classes.AddRecords(new_store, new_positions);
  classes.Finish();
  std::map<AnswerChange, std::vector<Class>> where;
  std::array<size_t, 4> sizes = classes.Sizes();
  RecordsByBand old_by_band(old_store, old_positions);
  RecordsByBand new_by_band(new_store, new_positions);
  for (size_t b = 0; b < sizes[0]; ++b) {
    std::vector<uint32_t> old_records = old_by_band.For(classes.bands.names[b]);
    std::vector<uint32_t> new_records = new_by_band.For(classes.bands.names[b]);
    for (size_t m = 0; m < sizes[1]; ++m) {
      for (size_t v = 0; v < sizes[2]; ++v) {
        for (size_t o = 0; o < sizes[3]; ++o) {
          calparams::MatchQuery query(classes.bands.names[b], classes.models.names[m], classes.versions[v], key,
                                      classes.options.names[o]);
          for (const AnswerChange& change :
               Compare(Ask(old_store, old_records, query), Ask(new_store, new_records, query))) {
            where[change].push_back({b, m, v, o});
          }
        }
      }
    }
  }
  std::map<std::vector<Class>, std::vector<AnswerChange>> by_radios;
  for (const auto& [change, radios] : where) by_radios[radios].push_back(change);
  std::string name = DisplayName(new_store, new_positions);
  TableDiff diff{name.empty() ? DisplayName(old_store, old_positions) : name, {}};
  Describer describer(classes);
  for (const auto& [radios, changes] : by_radios) diff.groups.push_back({describer.Describe(radios), changes});
  return diff;
}

}  // namespace

std::vector<TableDiff> DiffParameters(const clsCalibrationParameters& old_store,
                                      const clsCalibrationParameters& new_store) {
  std::map<std::string, std::string> tables = TablesOf(old_store);
  tables.merge(TablesOf(new_store));
  std::vector<TableDiff> diffs;
  for (const auto& [key, name] : tables) {
    TableDiff diff = DiffTable(old_store, new_store, key);
    if (!diff.groups.empty()) diffs.push_back(std::move(diff));
  }
  return diffs;
}

}  // namespace vx4820cal::cli
