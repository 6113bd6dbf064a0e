#include "cli/cmd_params_common.h"

#include <algorithm>
#include <ostream>

#include "calparams/list_form.h"
#include "common/conversions.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {

RadioArguments ReadRadioArguments(const Invocation& invocation) {
  OptionReader options(invocation.args);
  if (!options.Positionals({"--table", "--band", "--model", "--hw", "--option", "--name"}).empty()) {
    throw UsageError{"unexpected argument"};
  }
  RadioArguments radio;
  radio.table = options.Required("--table");
  radio.band = options.Required("--band");
  radio.model = options.Required("--model");
  radio.radio_option = options.Required("--option");
  radio.base_name = options.Value("--name", kDefaultParametersName);
  std::string version = options.Required("--hw");
  try {
    radio.hw_version = TextToInteger(version);
  } catch (const Error&) {
    throw UsageError{"--hw needs a number from -32768 to 32767, not '" + version + "'"};
  }
  return radio;
}

std::string ListForPeople(std::string_view list_form) {
  std::vector<std::string_view> entries = calparams::ListEntries(list_form);
  if (entries.empty()) return "(none)";
  std::string text;
  for (std::string_view entry : entries) text.append(text.empty() ? "" : ", ").append(entry);
  return text;
}

namespace {

// Width on a terminal: UTF-8 continuation bytes take no column.
size_t DisplayWidth(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

void PrintColumns(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                  const std::vector<size_t>& right_aligned) {
  std::vector<size_t> widths;
  for (const auto& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size());
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], DisplayWidth(row[i]));
  }
  for (const auto& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      std::string padding(widths[i] - DisplayWidth(row[i]), ' ');
      bool right = std::find(right_aligned.begin(), right_aligned.end(), i) != right_aligned.end();
      bool last = i + 1 == row.size();
      line += right ? padding + row[i] : row[i] + (last ? "" : padding);
      if (!last) line += "  ";
    }
    out << line << '\n';
  }
}

}  // namespace vx4820cal::cli
