// vx4820cal: a small host of the component for the people who maintain its data
// files. Global options may stand anywhere after the command words.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "vx4820cal/component.h"

namespace vx4820cal::cli {
namespace {

void PrintToolHelp(std::ostream& out) {
  out << "Usage: vx4820cal COMMAND [ARGS] [--dir DIR] [--strict]\n\n"
         "A host for the VX4820CAL calibration tier: reads its data files from a\n"
         "component folder and prints what the component answers.\n\nCommands:\n";
  for (const auto& command : Commands()) {
    out << "  " << command.usage << "\n      " << command.summary << '\n';
  }
  out << "\nGlobal options:\n"
         "  --dir DIR   the component folder (default: the folder of the component's library)\n"
         "  --strict    leave error reporting unarmed: the first error is printed as\n"
         "              'error N' and its description, and the tool exits 1\n"
         "  --help      this text, or a command's own help after its words\n\n"
         "Exit status: 0 done, 1 error (--strict), 2 usage error, 3 the component asked\n"
         "to end the application (its message boxes are written to stderr).\n";
}

// The longest registered command whose words start the argument list.
const Command* FindCommand(const std::vector<std::string>& args, size_t& word_count) {
  const Command* best = nullptr;
  for (const auto& command : Commands()) {
    std::vector<std::string> words;
    for (size_t start = 0, space; start <= command.words.size(); start = space + 1) {
      space = command.words.find(' ', start);
      if (space == std::string::npos) space = command.words.size();
      words.push_back(command.words.substr(start, space - start));
    }
    if (words.size() > args.size()) continue;
    bool match = true;
    for (size_t i = 0; i < words.size(); ++i) match = match && args[i] == words[i];
    if (match && (!best || words.size() > word_count)) {
      best = &command;
      word_count = words.size();
    }
  }
  return best;
}

int Main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintToolHelp(args.empty() ? std::cerr : std::cout);
    return args.empty() ? kExitUsage : kExitOk;
  }
  size_t word_count = 0;
  const Command* command = FindCommand(args, word_count);
  if (!command) {
    std::cerr << "vx4820cal: unknown command '" << args[0] << "'\n\n";
    PrintToolHelp(std::cerr);
    return kExitUsage;
  }
  Invocation invocation;
  bool help = false;
  for (size_t i = word_count; i < args.size(); ++i) {
    if (args[i] == "--strict") {
      invocation.strict = true;
    } else if (args[i] == "--help" || args[i] == "-h") {
      help = true;
    } else if (args[i] == "--dir") {
      if (i + 1 >= args.size()) {
        std::cerr << "vx4820cal: --dir needs a folder\n";
        return kExitUsage;
      }
      invocation.dir = args[++i];
    } else {
      invocation.args.push_back(args[i]);
    }
  }
  if (help) {
    std::cout << "Usage: vx4820cal " << command->usage << "\n\n" << command->summary << "\n";
    if (!command->help.empty()) std::cout << '\n' << command->help;
    return kExitOk;
  }
  if (invocation.dir.empty()) invocation.dir = ComponentFolder();
  try {
    return command->run(invocation);
  } catch (const UsageError& usage) {
    std::cerr << "vx4820cal " << command->words << ": " << usage.message << "\nUsage: vx4820cal " << command->usage
              << '\n';
    return kExitUsage;
  }
}

}  // namespace
}  // namespace vx4820cal::cli

int main(int argc, char** argv) { return vx4820cal::cli::Main(argc, argv); }
