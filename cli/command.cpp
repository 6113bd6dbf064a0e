#include "cli/command.h"

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

std::string OptionReader::Value(const std::string& name, const std::string& fallback) {
  for (size_t i = 0; i < args_.size(); ++i) {
    if (args_[i] != name) continue;
    if (i + 1 >= args_.size()) throw UsageError{name + " needs a value"};
    return args_[i + 1];
  }
  return fallback;
}

std::string OptionReader::Required(const std::string& name) {
  if (!Has(name)) throw UsageError{"missing " + name};
  return Value(name);
}

bool OptionReader::Has(const std::string& name) const {
  for (const auto& arg : args_) {
    if (arg == name) return true;
  }
  return false;
}

std::vector<std::string> OptionReader::Positionals(const std::vector<std::string>& known_flags) const {
  std::vector<std::string> positionals;
  for (size_t i = 0; i < args_.size(); ++i) {
    const std::string& arg = args_[i];
    if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
      bool known = false;
      for (const auto& flag : known_flags) known = known || flag == arg;
      if (!known) throw UsageError{"unknown option " + arg};
      ++i;  // its value
      continue;
    }
    positionals.push_back(arg);
  }
  return positionals;
}

}  // namespace vx4820cal::cli
