// bands: the band-limits table the component builds from the parameters file, as TSV.
#include <CLI/CLI.hpp>
#include <charconv>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "calparams/calibration_parameters.h"
#include "cli/cmd_params_common.h"
#include "cli/command.h"
#include "cli/json_output.h"
#include "cli/parameters_diagnosis.h"
#include "cli/tool_session.h"
#include "common/object_access.h"
#include "common/project_globals.h"
#include "provider/band_limits.h"
#include "provider/band_limits_fields.h"

namespace vx4820cal::cli {
namespace {

std::string Cell(int32_t value) { return std::to_string(value); }
std::string Cell(int16_t value) { return std::to_string(value); }
std::string Cell(const std::string& value) { return value; }
// As C's %.15g, but always with "." whatever the locale.
std::string Cell(double value) {
  char buffer[32];
  auto [end, failure] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return failure == std::errc() ? std::string(buffer, end) : std::string();
}

void PrintHeader(std::ostream& out) {
  out << "Code";
  for (const BandLimitsField& field : BandLimitsFields()) out << '\t' << field.name;
  out << '\n';
}

void PrintRecord(std::ostream& out, const std::string& code, const BandLimitsRecord& record) {
  out << code;
  for (const BandLimitsField& field : BandLimitsFields()) {
    out << '\t' << std::visit([&](auto member) { return Cell(record.*member); }, field.member);
  }
  out << '\n';
}

nlohmann::ordered_json Value(int32_t value) { return value; }
nlohmann::ordered_json Value(int16_t value) { return value; }
nlohmann::ordered_json Value(double value) { return value; }
nlohmann::ordered_json Value(const std::string& value) { return value; }

nlohmann::ordered_json BandObject(const std::string& code, const BandLimitsRecord& record) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::object();
  for (const BandLimitsField& field : BandLimitsFields()) {
    fields[field.name] = std::visit([&](auto member) { return Value(record.*member); }, field.member);
  }
  return {{"band", code}, {"fields", fields}};
}

int Bands(const Invocation& invocation, bool json) {
  ToolSession session(invocation);
  return session.Run([&] {
    auto store = std::make_shared<clsCalibrationParameters>();
    gobjCalParameters = store;
    if (!store->LoadFile(kDefaultParametersName)) {
      DiagnoseFailedLoad(session, kDefaultParametersName);
      return kExitError;
    }
    // The table is printed as the component builds it, zeros and all.
    bool complete = RequireTable(session, *store, kDefaultParametersName, "BandLimits");
    InitBandLimits();
    std::vector<std::string> codes = BandCodes();
    const std::vector<BandLimitsRecord>& table = BandLimitsTable();
    if (json) {
      nlohmann::ordered_json bands = nlohmann::ordered_json::array();
      for (size_t i = 0; i < codes.size() && i < table.size(); ++i) bands.push_back(BandObject(codes[i], table[i]));
      PrintJson(bands);
    } else {
      PrintHeader(std::cout);
      for (size_t i = 0; i < codes.size() && i < table.size(); ++i) PrintRecord(std::cout, codes[i], table[i]);
    }
    return complete ? kExitOk : kExitError;
  });
}

const bool kRegistered =
    RegisterCommand({"bands", "Print the band-limits table built from the parameters file.",
                     "Loads PARAMETERS from the component folder (regenerating PARAMETERS.dat from\n"
                     "PARAMETERS.ini when that is newer), builds the band-limits table and prints it as\n"
                     "tab-separated values: a header (Code, then the record's 23 fields in order) and\n"
                     "one row per band code, A4 to K5. Whole numbers in decimal, decimals as %.15g with\n"
                     "\".\", texts as they stand. Nothing is printed when the file does not load.\n",
                     WithFormatOption(Bands)});

}  // namespace
}  // namespace vx4820cal::cli
