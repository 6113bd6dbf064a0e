#include "cli/lookup_outcome.h"

#include "common/text.h"

namespace vx4820cal::cli {
namespace {

using Record = clsCalibrationParameter;

std::string LineOf(const Record* record) { return std::to_string(record->SourceLine()); }

// Each best record that shares its name (in any case) with another: the first other.
std::map<const Record*, const Record*> TiePartners(const std::vector<const Record*>& best) {
  std::map<std::string, const Record*> first;  // by upper-cased name
  std::map<const Record*, const Record*> partners;
  for (const Record* record : best) {
    auto [earlier, fresh] = first.try_emplace(UCase(record->ParameterName()), record);
    if (fresh) continue;
    partners[record] = earlier->second;
    partners.try_emplace(earlier->second, record);
  }
  return partners;
}

}  // namespace

LookupOutcome JudgeMatches(const calparams::Matches& matches) {
  LookupOutcome outcome;
  auto greatest = calparams::GreatestWeightings(matches);
  std::map<std::string, const Record*> first_best;  // by exact name
  std::vector<const Record*> best;
  for (const Record* record : matches) {
    if (record->Weighting() != greatest[record->ParameterName()]) continue;
    first_best.try_emplace(record->ParameterName(), record);
    best.push_back(record);
  }
  std::map<const Record*, const Record*> partners = TiePartners(best);
  // The lookup fails at the first best record whose name came before.
  for (const Record* record : best) {
    auto partner = partners.find(record);
    if (partner == partners.end() || partner->second->SourceLine() > record->SourceLine()) continue;
    outcome.failure = "lines " + LineOf(partner->second) + " and " + LineOf(record) + " both give \"" +
                      record->ParameterName() + "\" (error 457, duplicate key)";
    break;
  }
  for (const Record* record : matches) {
    std::string& result = outcome.result[record];
    const Record* winner = first_best[record->ParameterName()];
    if (record->Weighting() < greatest[record->ParameterName()]) {
      result = "beaten by line " + LineOf(winner) + " (weighting " + std::to_string(winner->Weighting()) + ")";
    } else if (auto partner = partners.find(record); partner != partners.end()) {
      result = "ties with line " + LineOf(partner->second);
      if (partner->second->ParameterName() != record->ParameterName()) result += " (the names differ only in case)";
    } else {
      result = outcome.failure.empty() ? "wins" : "best, but the lookup fails";
      if (outcome.failure.empty()) outcome.answer.push_back(record);
    }
  }
  return outcome;
}

}  // namespace vx4820cal::cli
