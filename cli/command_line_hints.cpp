#include "cli/command_line_hints.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <numeric>

#include "common/text.h"

namespace vx4820cal::cli {
namespace {

std::vector<std::string> CommandNames(const CLI::App& app) {
  std::vector<std::string> names;
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    names.push_back(command->get_name());
  }
  return names;
}

// The long options of app and of the parts of the command line above it.
std::vector<std::string> OptionNames(const CLI::App& app) {
  std::vector<std::string> names;
  for (const CLI::App* level = &app; level != nullptr; level = level->get_parent()) {
    for (const CLI::Option* option : level->get_options()) {
      for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
    }
  }
  return names;
}

std::string DidYouMean(const std::string& word, const std::vector<std::string>& candidates) {
  std::string closest = Closest(word, candidates);
  return closest.empty() ? "" : "; did you mean '" + closest + "'?";
}

}  // namespace

std::string CommandPath(const CLI::App& app) {
  std::string path = app.get_name();
  for (const CLI::App* level = app.get_parent(); level != nullptr; level = level->get_parent()) {
    path = level->get_name() + " " + path;
  }
  return path;
}

const CLI::App& ChosenCommand(const CLI::App& root) {
  const CLI::App* chosen = &root;
  while (!chosen->get_subcommands().empty()) chosen = chosen->get_subcommands().front();
  return *chosen;
}

std::string UnknownWordMessage(const CLI::App& root, const std::string& word) {
  const CLI::App& chosen = ChosenCommand(root);
  std::string where = CommandPath(chosen);
  if (word.size() > 1 && word[0] == '-') {
    std::string name = word.substr(0, word.find('='));
    return where + ": unknown option '" + name + "'" + DidYouMean(name, OptionNames(chosen));
  }
  std::vector<std::string> commands = CommandNames(chosen);
  if (commands.empty()) return where + ": unexpected argument '" + word + "'";
  return where + ": unknown command '" + word + "'" + DidYouMean(word, commands);
}

std::string UsageMessage(const CLI::App& root, const CLI::ParseError& failure) {
  const CLI::App& chosen = ChosenCommand(root);
  std::string where = CommandPath(chosen);
  std::vector<std::string> commands = CommandNames(chosen);
  if (dynamic_cast<const CLI::RequiredError*>(&failure) && !commands.empty() && chosen.get_subcommands().empty()) {
    std::string list;
    for (const std::string& command : commands) list += (list.empty() ? "" : ", ") + command;
    return where + ": a command is needed: " + list + " (see '" + where + " --help')";
  }
  std::string what = failure.what();
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&failure)) {
    std::string name = what.substr(0, what.find(':'));
    if (what.find("At Most 1 ") != std::string::npos) what = name + " is given more than once";
    if (what.find(" missing") != std::string::npos) what = name + " needs a value";
  }
  return where + ": " + what + " (see '" + where + " --help')";
}

size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), size_t{0});
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      size_t above = row[j];
      bool same =
          std::toupper(static_cast<unsigned char>(a[i - 1])) == std::toupper(static_cast<unsigned char>(b[j - 1]));
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string Closest(const std::string& word, const std::vector<std::string>& candidates) {
  std::string closest;
  size_t best = std::string::npos;
  for (const std::string& candidate : candidates) {
    size_t distance = EditDistance(word, candidate);
    if (distance < best) {
      best = distance;
      closest = candidate;
    }
  }
  return closest;
}

}  // namespace vx4820cal::cli
