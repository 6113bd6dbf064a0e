#pragma once
// The tool's commands: each registers itself with its words, usage and help, so
// main() only parses the global options and dispatches.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vx4820cal::cli {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitTerminated = 3;

struct Invocation {
  std::vector<std::string> args;  // what follows the command words, global options removed
  std::filesystem::path dir;      // the component folder
  bool strict = false;
};

// Thrown by a command for bad arguments; main prints it with the usage and exits 2.
struct UsageError {
  std::string message;
};

struct Command {
  std::string words;    // "params table"
  std::string usage;    // "params table --table T --band B ..."
  std::string summary;  // one line for the tool's help
  std::string help;     // the rest of the command's --help
  std::function<int(const Invocation&)> run;
};

// Adds a command; used through a static registrar in each command's file.
bool RegisterCommand(Command command);
const std::vector<Command>& Commands();

// Option helpers for commands: "--name value" pairs and bare arguments.
class OptionReader {
 public:
  explicit OptionReader(const std::vector<std::string>& args) : args_(args) {}
  // The value of --name, or fallback when it is absent; a --name without value is a usage error.
  std::string Value(const std::string& name, const std::string& fallback = "");
  std::string Required(const std::string& name);
  bool Has(const std::string& name) const;
  // Arguments that are no options, in order; an unknown option is a usage error.
  std::vector<std::string> Positionals(const std::vector<std::string>& known_flags = {}) const;

 private:
  const std::vector<std::string>& args_;
};

}  // namespace vx4820cal::cli
