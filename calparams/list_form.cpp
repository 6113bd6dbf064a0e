#include "calparams/list_form.h"

#include "common/text.h"

namespace vx4820cal::calparams {

std::string ListForm(std::string_view list_text) {
  std::string form = ",";
  if (list_text.empty()) return form;
  form.reserve(list_text.size() + 2);
  size_t start = 0;
  while (true) {
    size_t comma = list_text.find(',', start);
    form.append(TrimView(list_text.substr(start, comma - start))).push_back(',');
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return form;
}

std::string ListNeedle(std::string_view name) {
  std::string needle;
  needle.reserve(name.size() + 2);
  needle.append(",").append(UCase(name)).append(",");
  return needle;
}

bool IsDefaultList(std::string_view upper_list_form) {
  return upper_list_form.find(",DEFAULT,") != std::string_view::npos;
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
