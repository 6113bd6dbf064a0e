#include "cli/command.h"

#include <CLI/CLI.hpp>

namespace vx4820cal::cli {

static std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

bool RegisterCommand(Command command) {
  Registry().push_back(std::move(command));
  return true;
}

const std::vector<Command>& Commands() { return Registry(); }

namespace {

std::string NotEmpty(const std::string& value) { return value.empty() ? "an empty value is not allowed" : ""; }

}  // namespace

void AddValueOption(CLI::App& app, const std::string& name, std::string& value, const std::string& help,
                    bool required) {
  CLI::Option* option =
      app.add_option(name, value, help)->check(NotEmpty)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  option->required(required);
}

void AddFormatOption(CLI::App& app, bool& json) {
  app.add_option_function<std::string>(
         "--format", [&json](const std::string& format) { json = format == "json"; },
         "text (default) or json: one JSON document on stdout")
      ->check(CLI::IsMember({"text", "json"}))
      ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

std::function<CommandBody(CLI::App&)> WithFormatOption(int (*run)(const Invocation&, bool json)) {
  return [run](CLI::App& app) {
    auto json = std::make_shared<bool>(false);
    AddFormatOption(app, *json);
    return [run, json](const Invocation& invocation) { return run(invocation, *json); };
  };
}

}  // namespace vx4820cal::cli
