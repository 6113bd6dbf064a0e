// params table: the parameter table the component answers for one radio, one
// NAME=VALUE line per entry in answer order.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "calparams/calibration_parameters.h"
#include "calparams/parameter_table.h"
#include "cli/cmd_params_common.h"
#include "cli/json_output.h"
#include "cli/parameters_diagnosis.h"
#include "cli/tool_session.h"

namespace vx4820cal::cli {
namespace {

void PrintAnswer(const RadioArguments& radio, calparams::ParameterTable* answer) {
  nlohmann::ordered_json entries = nlohmann::ordered_json::array();
  for (const std::string& name : answer ? answer->Names() : std::vector<std::string>()) {
    std::string value = answer->Item(std::string_view(name)).AsTextUnchecked();
    if (!radio.json) std::cout << name << '=' << value << '\n';
    entries.push_back({{"name", name}, {"value", value}});
  }
  if (!radio.json) return;
  nlohmann::ordered_json document = RadioDocument(radio);
  document["entries"] = entries;
  PrintJson(document);
}

int RunParamsTable(const Invocation& invocation, const RadioArguments& radio) {
  ToolSession session(invocation);
  return session.Run([&] {
    std::shared_ptr<IcalParameters> store = NewCalibrationParameters();
    if (!store->LoadFile(radio.base_name)) {
      DiagnoseFailedLoad(session, radio.base_name);
      return kExitError;
    }
    auto answer = std::dynamic_pointer_cast<calparams::ParameterTable>(
        store->GetTable(radio.band, radio.model, radio.hw_version, radio.table, radio.radio_option));
    PrintAnswer(radio, answer.get());
    // An empty answer for a table the file does not hold is most often a typo.
    auto records = std::dynamic_pointer_cast<clsCalibrationParameters>(store);
    return records && !RequireTable(session, *records, radio.base_name, radio.table) ? kExitError : kExitOk;
  });
}

CommandBody DefineParamsTable(CLI::App& app) {
  auto radio = AddRadioOptions(app);
  return [radio](const Invocation& invocation) { return RunParamsTable(invocation, radio()); };
}

const bool kRegistered =
    RegisterCommand({"params table", "Print the parameter table the component answers for one radio.",
                     "Loads BASE (default PARAMETERS) from the component folder, regenerating BASE.dat from\n"
                     "BASE.ini when the source is newer, and asks for table T for band B, model M, hardware\n"
                     "version N and radio option O. Prints one NAME=VALUE line per entry, in answer order;\n"
                     "values as stored (decimals with the user's decimal separator). Prints nothing when\n"
                     "the load or the lookup fails (the component's report goes to stderr).\n",
                     DefineParamsTable});

}  // namespace
}  // namespace vx4820cal::cli
