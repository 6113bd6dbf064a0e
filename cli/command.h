#pragma once
// The tool's commands: each registers itself with its words, summary and help and
// declares its own options, so main() only builds the command line and dispatches.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace vx4820cal::cli {

// Exit statuses of the tool, one meaning each.
inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;  // the command could not do its work
inline constexpr int kExitUsage = 2;
inline constexpr int kExitTerminated = 3;

// The global options, read before the command runs.
struct Invocation {
  std::filesystem::path dir;  // the component folder
  bool dir_given = false;     // --dir named it (else the library's folder)
  bool strict = false;
  bool colour = false;  // colour on stdout
};

// Thrown by a command for bad arguments; main prints it with the usage and exits 2.
struct UsageError {
  std::string message;
};

using CommandBody = std::function<int(const Invocation&)>;

struct Command {
  std::string words;    // "params table"
  std::string summary;  // one line for the help of the tool or the group
  std::string help;     // the rest of the command's --help
  // Declares the command's options and arguments on its own part of the command
  // line and returns the body that runs with what they received.
  std::function<CommandBody(CLI::App&)> define;
};

// Adds a command; used through a static registrar in each command's file.
bool RegisterCommand(Command command);
const std::vector<Command>& Commands();

// Declares a value option that may be given once and never empty.
void AddValueOption(CLI::App& app, const std::string& name, std::string& value, const std::string& help,
                    bool required = false);
// Declares "--format text|json"; json is true for the JSON form.
void AddFormatOption(CLI::App& app, bool& json);
// The definition of a command whose only option is --format.
std::function<CommandBody(CLI::App&)> WithFormatOption(int (*run)(const Invocation&, bool json));

}  // namespace vx4820cal::cli
