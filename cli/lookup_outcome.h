#pragma once
// What a lookup answers, played as the component plays it over the matching records:
// the best records of each name in store order, a second best record of a name (in
// any letter case) failing the whole lookup.
#include <map>
#include <string>
#include <vector>

#include "calparams/calibration_parameter.h"
#include "calparams/table_lookup.h"

namespace vx4820cal::cli {

struct LookupOutcome {
  std::map<const clsCalibrationParameter*, std::string> result;  // why each matching record counts or not
  std::vector<const clsCalibrationParameter*> answer;            // the entries, in answer order; none on failure
  std::string failure;                                           // why the lookup fails, or empty
};

LookupOutcome JudgeMatches(const calparams::Matches& matches);

}  // namespace vx4820cal::cli
