#include "cli/lint_tie_finder.h"

#include <algorithm>

#include "calparams/parameter_conditions.h"
#include "common/text.h"

namespace vx4820cal::cli {
namespace {

using calparams::ConditionList;
using calparams::ParameterConditions;

std::array<const ConditionList*, 3> Lists(const ParameterConditions& c) { return {c.bands, c.models, c.radio_options}; }
constexpr std::array<bool, 3> kEmptyAllowed = {false, false, true};  // bands and models must be named

std::pair<size_t, size_t> BlocksOf(const ParameterConditions& c, size_t blocks) {
  int lowest = std::max<int>(0, c.hw_version_start);
  int highest = std::min<int>(9999, c.hw_version_stop);
  if (lowest > highest) return {1, 0};
  size_t per_block = 10000 / blocks;
  return {static_cast<size_t>(lowest) / per_block, static_cast<size_t>(highest) / per_block};
}

}  // namespace

const std::vector<std::string>& LintTieFinder::Entries(const ConditionList& list, bool empty_allowed) {
  auto [found, fresh] = entries_.try_emplace(&list);
  if (fresh) {
    for (std::string_view entry : calparams::ListEntries(list.form)) {
      found->second[1].push_back(UCase(entry));
      if (!entry.empty()) found->second[0].push_back(UCase(entry));
    }
    for (auto& entries : found->second) {
      std::sort(entries.begin(), entries.end());
      entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    }
  }
  return found->second[empty_allowed ? 1 : 0];
}

const std::unordered_set<std::string>& LintTieFinder::EntrySet(const ConditionList& list, bool empty_allowed) {
  auto [found, fresh] = sets_.try_emplace(&list);
  std::unordered_set<std::string>& set = found->second[empty_allowed ? 1 : 0];
  if (set.empty()) {
    const std::vector<std::string>& entries = Entries(list, empty_allowed);
    set.insert(entries.begin(), entries.end());
  }
  return set;
}

// A name both lists admit ("any" when both are default lists), or none.
std::optional<std::string> LintTieFinder::CommonName(const ConditionList& a, const ConditionList& b,
                                                     bool empty_allowed) {
  if (a.is_default && b.is_default) return "any";
  if (a.is_default || b.is_default) {
    const std::vector<std::string>& named = Entries(a.is_default ? b : a, empty_allowed);
    return named.empty() ? std::nullopt : std::optional<std::string>(named.front());
  }
  const std::vector<std::string>& small = Entries(a, empty_allowed);
  const std::vector<std::string>& large = Entries(b, empty_allowed);
  bool a_smaller = small.size() <= large.size();
  const std::unordered_set<std::string>& lookup = EntrySet(a_smaller ? b : a, empty_allowed);
  for (const std::string& entry : a_smaller ? small : large) {
    if (lookup.count(entry) != 0) return entry;
  }
  return std::nullopt;
}

// A radio both records apply to, described for a person, or none.
std::optional<std::string> LintTieFinder::CommonRadio(const LintRecord& record_a, const LintRecord& record_b) {
  const ParameterConditions& a = *record_a.conditions;
  const ParameterConditions& b = *record_b.conditions;
  int lowest = std::max({0, static_cast<int>(a.hw_version_start), static_cast<int>(b.hw_version_start)});
  int highest = std::min({9999, static_cast<int>(a.hw_version_stop), static_cast<int>(b.hw_version_stop)});
  if (lowest > highest) return std::nullopt;
  auto band = CommonName(*a.bands, *b.bands, false);
  auto model = band ? CommonName(*a.models, *b.models, false) : std::nullopt;
  auto option = model ? CommonName(*a.radio_options, *b.radio_options, true) : std::nullopt;
  if (!option) return std::nullopt;
  auto named = [](const std::string& what, const std::string& name) {
    return name == "any" ? "any " + what : what + " \"" + name + "\"";
  };
  return named("band", *band) + ", " + named("model", *model) + ", hardware version " + std::to_string(lowest) + ", " +
         named("radio option", *option);
}

// The earlier members that share the record's most selective condition, in order.
std::vector<uint32_t> LintTieFinder::Candidates(const Group& group, const LintRecord& record) {
  const ParameterConditions& c = *record.conditions;
  size_t best_cost = group.members.size();
  std::vector<const std::vector<uint32_t>*> best;
  auto consider = [&](std::vector<const std::vector<uint32_t>*> lists) {
    size_t cost = 0;
    for (const auto* list : lists) cost += list->size();
    if (cost < best_cost) {
      best_cost = cost;
      best = std::move(lists);
    }
  };
  std::array<const ConditionList*, 3> lists = Lists(c);
  for (size_t d = 0; d < 3; ++d) {
    if (lists[d]->is_default) continue;
    std::vector<const std::vector<uint32_t>*> sources = {&group.any[d]};
    for (const std::string& entry : Entries(*lists[d], kEmptyAllowed[d])) {
      if (auto found = group.named[d].find(entry); found != group.named[d].end()) sources.push_back(&found->second);
    }
    consider(std::move(sources));
  }
  auto [first, last] = BlocksOf(c, kVersionBlocks);
  std::vector<const std::vector<uint32_t>*> sources;
  for (size_t block = first; block <= last; ++block) sources.push_back(&group.blocks[block]);
  consider(std::move(sources));
  std::vector<uint32_t> candidates;
  if (best_cost == group.members.size() && best.empty()) {
    candidates.resize(group.members.size());
    for (uint32_t i = 0; i < candidates.size(); ++i) candidates[i] = i;
    return candidates;
  }
  for (const auto* list : best) candidates.insert(candidates.end(), list->begin(), list->end());
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  return candidates;
}

void LintTieFinder::Insert(Group& group, const LintRecord& record) {
  auto index = static_cast<uint32_t>(group.members.size());
  group.members.push_back(&record);
  std::array<const ConditionList*, 3> lists = Lists(*record.conditions);
  for (size_t d = 0; d < 3; ++d) {
    if (lists[d]->is_default) {
      group.any[d].push_back(index);
      continue;
    }
    for (const std::string& entry : Entries(*lists[d], kEmptyAllowed[d])) group.named[d][entry].push_back(index);
  }
  auto [first, last] = BlocksOf(*record.conditions, kVersionBlocks);
  for (size_t block = first; block <= last; ++block) group.blocks[block].push_back(index);
}

void LintTieFinder::Find(const std::vector<LintRecord>& records, std::vector<LintFinding>& findings) {
  for (const LintRecord& record : records) {
    Group& group = groups_[record.conditions->table->key + '\n' + UCase(record.name)];
    for (uint32_t candidate : Candidates(group, record)) {
      const LintRecord& earlier = *group.members[candidate];
      bool same_name = earlier.name == record.name;
      if (same_name && earlier.conditions->Weighting() != record.conditions->Weighting()) continue;
      std::optional<std::string> radio = CommonRadio(earlier, record);
      if (!radio) continue;
      std::string message = "\"" + record.name + "\" ties with line " + std::to_string(earlier.line) + " in table \"" +
                            record.conditions->table->name + "\"";
      message += same_name ? " (both weighting " + std::to_string(record.conditions->Weighting()) + ")"
                           : " (the names differ only in case; it fails where both are the best of their spelling)";
      findings.push_back({record.line, true, message + ": the lookup for " + *radio + " fails (error 457)"});
      break;  // each record is named once, with the first earlier record it ties with
    }
    Insert(group, record);
  }
}

}  // namespace vx4820cal::cli
