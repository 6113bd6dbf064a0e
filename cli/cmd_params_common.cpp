#include "cli/cmd_params_common.h"

#include "tier/conversions.h"
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

}  // namespace vx4820cal::cli
