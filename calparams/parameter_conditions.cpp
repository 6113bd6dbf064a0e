#include "calparams/parameter_conditions.h"

#include <algorithm>

#include "common/text.h"

namespace vx4820cal::calparams {

// Looked up before inserting: most texts are already there, and an insertion attempt
// would build a node first.

const TableName& TextPool::TableNamed(std::string_view table) {
  if (auto it = tables_.find(table); it != tables_.end()) return it->second;
  return tables_.emplace(std::string(table), TableName{std::string(table), UCase(TrimView(table))}).first->second;
}

const ConditionList& TextPool::ListOf(std::string_view list_text) {
  const size_t hash = lists_by_text_.HashOf(list_text);
  if (const ConditionList* found = lists_by_text_.Find(list_text, hash)) return *found;
  const std::string form = ListForm(list_text);
  ConditionList list;
  list.form = list_texts_.Keep(form);
  char* upper = list_texts_.Room(form.size());
  FoldInto(upper, form.data(), form.size());
  list.upper = std::string_view(upper, form.size());
  list.is_default = IsDefaultList(list.upper);
  const ConditionList& kept = lists_.emplace_back(list);
  lists_by_text_.Add(list_texts_.Keep(list_text), hash, &kept);
  return kept;
}

const ParameterConditions& TextPool::Keep(const ParameterConditions& conditions) {
  return conditions_.emplace_back(conditions);
}

const ParameterConditions& KeepConditions(std::string_view table, std::string_view bands, std::string_view models,
                                          int16_t hw_version_start, int16_t hw_version_stop,
                                          std::string_view radio_options, TextPool& pool) {
  ParameterConditions conditions;
  conditions.table = &pool.TableNamed(table);
  conditions.bands = &pool.ListOf(bands);
  conditions.models = &pool.ListOf(models);
  conditions.radio_options = &pool.ListOf(radio_options);
  conditions.hw_version_start = hw_version_start;
  conditions.hw_version_stop = hw_version_stop;
  conditions.complete = !table.empty() && !bands.empty() && !models.empty() && IsVersionInRange(hw_version_start) &&
                        IsVersionInRange(hw_version_stop);
  conditions.pool = &pool;
  return pool.Keep(conditions);
}

SharedConditions MakeConditions(std::string_view table, std::string_view bands, std::string_view models,
                                int16_t hw_version_start, int16_t hw_version_stop, std::string_view radio_options,
                                PoolRef<TextPool> pool) {
  if (!pool) pool = PoolRef<TextPool>(new TextPool);
  // Holds the pool, not only the conditions: the records need its names as well.
  return SharedConditions(
      &KeepConditions(table, bands, models, hw_version_start, hw_version_stop, radio_options, *pool));
}

// One pass over the text, writing each piece trimmed as it goes: a file of distinct
// lists forms tens of thousands of them, and a search call per piece cost more than
// the piece.
std::string ListForm(std::string_view list_text) {
  if (list_text.empty()) return ",";
  std::string form(list_text.size() + 2, ',');  // each piece and its comma; a comma first
  char* out = form.data() + 1;
  const char* at = list_text.data();
  const char* const end = at + list_text.size();
  while (true) {
    const char* piece_end = at;
    while (piece_end != end && *piece_end != ',') ++piece_end;
    const char* first = at;
    while (first != piece_end && *first == ' ') ++first;
    const char* last = piece_end;
    while (last != first && last[-1] == ' ') --last;
    out = std::copy(first, last, out);
    *out++ = ',';
    if (piece_end == end) break;
    at = piece_end + 1;
  }
  form.resize(static_cast<size_t>(out - form.data()));
  return form;
}

std::string ListNeedle(std::string_view name) {
  std::string needle;
  needle.reserve(name.size() + 2);
  needle.append(",").append(UCase(name)).append(",");
  return needle;
}

// Every comma begins an entry, so a search for the whole entry would stop at each.
bool IsDefaultList(std::string_view upper_list_form) {
  constexpr std::string_view kEntry = ",DEFAULT,";
  for (size_t at = 0; at + kEntry.size() <= upper_list_form.size(); ++at) {
    if (upper_list_form[at] == ',' && upper_list_form.substr(at, kEntry.size()) == kEntry) return true;
  }
  return false;
}

std::vector<std::string_view> ListEntries(std::string_view list_form) {
  std::vector<std::string_view> entries;
  if (list_form.size() < 2) return entries;
  std::string_view inner = list_form.substr(1, list_form.size() - 2);
  size_t start = 0;
  while (true) {
    size_t comma = inner.find(',', start);
    entries.push_back(inner.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return entries;
}

}  // namespace vx4820cal::calparams
