#include "cli/cmd_params_common.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "calparams/parameter_conditions.h"
#include "common/conversions.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {

std::function<RadioArguments()> AddRadioOptions(CLI::App& app) {
  struct Given {
    RadioArguments radio;
    std::string version;
  };
  auto given = std::make_shared<Given>();
  AddValueOption(app, "--table", given->radio.table, "the table T (a section header's name)", true);
  AddValueOption(app, "--band", given->radio.band, "the radio's band code B", true);
  AddValueOption(app, "--model", given->radio.model, "the radio's model M", true);
  AddValueOption(app, "--hw", given->version, "the radio's hardware version N, a 16-bit number", true);
  AddValueOption(app, "--option", given->radio.radio_option, "the radio option O", true);
  AddBaseNameOption(app, given->radio.base_name);
  AddFormatOption(app, given->radio.json);
  return [given] {
    RadioArguments radio = given->radio;
    try {
      radio.hw_version = TextToInteger(given->version);
    } catch (const Error&) {
      throw UsageError{"--hw needs a number from -32768 to 32767, not '" + given->version + "'"};
    }
    return radio;
  };
}

nlohmann::ordered_json RadioDocument(const RadioArguments& radio) {
  return {{"table", radio.table},
          {"band", radio.band},
          {"model", radio.model},
          {"hardware_version", radio.hw_version},
          {"radio_option", radio.radio_option}};
}

void AddBaseNameOption(CLI::App& app, std::string& base_name) {
  AddValueOption(app, "--name", base_name, "the parameters file's base name (default PARAMETERS)");
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
