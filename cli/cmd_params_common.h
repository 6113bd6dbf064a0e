#pragma once
// What the params commands share: the radio asked about and the parameters file's
// base name, read from the command line.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"

namespace vx4820cal::cli {

inline constexpr const char* kDefaultParametersName = "PARAMETERS";

struct RadioArguments {
  std::string table;
  std::string band;
  std::string model;
  int16_t hw_version = 0;
  std::string radio_option;
  std::string base_name = kDefaultParametersName;
  bool json = false;  // --format json
};

// Declares --table --band --model --hw --option [--name] [--format] on app; the reader it
// returns gives what they received, --hw as a 16-bit number as the host would pass
// it. Anything missing or out of range is a usage error.
std::function<RadioArguments()> AddRadioOptions(CLI::App& app);

// The radio asked about, as the head of a command's JSON document.
nlohmann::ordered_json RadioDocument(const RadioArguments& radio);

// Declares [--name BASE] on app.
void AddBaseNameOption(CLI::App& app, std::string& base_name);

// A list form (",H5,H6,") as a person reads it: "H5, H6"; "(none)" without entries.
std::string ListForPeople(std::string_view list_form);

// Writes rows as columns separated by two spaces, each as wide as its widest cell;
// the columns named in right_aligned are aligned to the right.
void PrintColumns(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                  const std::vector<size_t>& right_aligned = {});

}  // namespace vx4820cal::cli
