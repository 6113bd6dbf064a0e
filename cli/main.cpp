// vx4820cal: a small host of the component for the people who maintain its data
// files. Global options may stand anywhere, before or after the command words.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/command_line_hints.h"
#include "cli/tool_session.h"
#include "vx4820cal/component.h"

namespace vx4820cal::cli {
namespace {

const std::map<std::string, std::string>& GroupSummaries() {
  static const std::map<std::string, std::string> summaries = {
      {"params", "The calibration parameters file: lookups, their reasons, checks and differences."},
      {"ui", "The UI field data file: its records, one field's answers, checks."}};
  return summaries;
}

constexpr const char* kGlobalOptionsNote =
    "\nGlobal options (anywhere on the line): --dir DIR, --strict, --color auto|always|never;\n"
    "see 'vx4820cal --help'.\n";

struct GlobalOptions {
  std::string dir;
  std::string colour = "auto";
  bool strict = false;
};

void AddGlobalOptions(CLI::App& app, GlobalOptions& options) {
  AddValueOption(app, "--dir", options.dir, "the component folder (default: the folder of the component's library)");
  app.add_flag("--strict", options.strict,
               "leave error reporting unarmed: the first error is printed as 'error N' and its description, exit 1");
  AddValueOption(app, "--color", options.colour, "colour on stdout: auto (default; not with NO_COLOR), always, never");
  app.get_option("--color")->check(CLI::IsMember({"auto", "always", "never"}));
  app.set_version_flag("--version", "vx4820cal " VX4820CAL_VERSION, "print the tool's version");
}

bool ColourWanted(const std::string& choice) {
  if (choice != "auto") return choice == "always";
  const char* no_colour = std::getenv("NO_COLOR");
  return ::isatty(STDOUT_FILENO) == 1 && (no_colour == nullptr || *no_colour == '\0');
}

// The group's part of the command line, made on first use.
CLI::App* Group(CLI::App& parent, const std::string& word) {
  for (CLI::App* group : parent.get_subcommands([&](const CLI::App* app) { return app->get_name() == word; })) {
    return group;
  }
  auto summary = GroupSummaries().find(word);
  CLI::App* group = parent.add_subcommand(word, summary == GroupSummaries().end() ? "" : summary->second);
  group->require_subcommand(1)->fallthrough();
  return group;
}

struct Leaf {
  CLI::App* app;
  CommandBody body;
};

std::vector<Leaf> DefineCommands(CLI::App& app) {
  std::vector<Leaf> leaves;
  for (const Command& command : Commands()) {
    std::vector<std::string> words = CLI::detail::split(command.words, ' ');
    CLI::App* parent = &app;
    for (size_t i = 0; i + 1 < words.size(); ++i) parent = Group(*parent, words[i]);
    CLI::App* leaf = parent->add_subcommand(words.back(), command.summary);
    leaf->footer(command.help + kGlobalOptionsNote)->fallthrough();
    leaves.push_back({leaf, command.define(*leaf)});
  }
  return leaves;
}

int Main(int argc, char** argv) {
  CLI::App app(
      "A host for the VX4820CAL calibration tier: reads its data files from a component folder\n"
      "and prints what the component answers.",
      "vx4820cal");
  app.footer(
      "Exit status: 0 done, 1 the command could not do its work, 2 usage error, 3 the component\n"
      "asked to end the application. Message boxes and diagnostics are written to stderr.");
  app.require_subcommand(1)->allow_extras();
  GlobalOptions global;
  AddGlobalOptions(app, global);
  std::vector<Leaf> leaves = DefineCommands(app);
  if (argc <= 1) {
    std::cerr << app.help();
    return kExitUsage;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& done) {
    int status = app.exit(done);
    if (FlushStandardOutput()) return status;
    std::cerr << "vx4820cal: " << kStandardOutputFailure << '\n';
    return kExitError;
  } catch (const CLI::ParseError& failure) {
    // A mistyped word leaves the command line short of a command: name the word.
    std::cerr << (app.remaining().empty() ? UsageMessage(app, failure)
                                          : UnknownWordMessage(app, app.remaining().front()))
              << '\n';
    return kExitUsage;
  }
  if (!app.remaining().empty()) {
    std::cerr << UnknownWordMessage(app, app.remaining().front()) << '\n';
    return kExitUsage;
  }
  Invocation invocation{global.dir.empty() ? ComponentFolder() : std::filesystem::path(global.dir), !global.dir.empty(),
                        global.strict, ColourWanted(global.colour)};
  for (const Leaf& leaf : leaves) {
    if (!leaf.app->parsed()) continue;
    try {
      return leaf.body(invocation);
    } catch (const UsageError& usage) {
      std::cerr << CommandPath(*leaf.app) << ": " << usage.message << " (see '" << CommandPath(*leaf.app)
                << " --help')\n";
      return kExitUsage;
    }
  }
  return kExitUsage;
}

}  // namespace
}  // namespace vx4820cal::cli

int main(int argc, char** argv) { return vx4820cal::cli::Main(argc, argv); }
