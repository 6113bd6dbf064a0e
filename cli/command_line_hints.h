#pragma once
// The one-line answers to a command line the tool cannot take: what is wrong, where,
// and the closest valid word.
#include <string>
#include <vector>

namespace CLI {
class App;
class ParseError;
}  // namespace CLI

namespace vx4820cal::cli {

// "vx4820cal params table": the words that lead to app.
std::string CommandPath(const CLI::App& app);

// The deepest command or group the command line chose.
const CLI::App& ChosenCommand(const CLI::App& root);

// A word left over after parsing: an unknown command or option (with the closest
// valid one), or an argument the command does not take.
std::string UnknownWordMessage(const CLI::App& root, const std::string& word);

// A parse failure, named with the command it belongs to.
std::string UsageMessage(const CLI::App& root, const CLI::ParseError& failure);

// The edits (insert, delete, replace a character) from a to b, ignoring letter case.
size_t EditDistance(const std::string& a, const std::string& b);

// The candidate nearest to word by edit distance, ignoring letter case; empty when
// there are no candidates.
std::string Closest(const std::string& word, const std::vector<std::string>& candidates);

}  // namespace vx4820cal::cli
