#pragma once
// The effective answers of two parameter stores compared lookup by lookup: for every
// table and every class of radio the two files tell apart (each band, model and radio
// option they name, each stretch of hardware versions between their breakpoints, and
// "any other" of each), the names whose value changes, appears or disappears, and the
// lookups that start or stop failing.
#include <string>
#include <vector>

namespace vx4820cal {
class clsCalibrationParameters;
}

namespace vx4820cal::cli {

// One difference of one name (or of the whole lookup, name empty).
struct AnswerChange {
  std::string name;       // empty: the lookup itself starts or stops failing
  std::string old_value;  // "(none)" where there is no entry; for a lookup, why it fails or "answers"
  std::string new_value;
  bool operator<(const AnswerChange& other) const;
};

// Changes that hold for the same radios, described for a person.
struct ChangeGroup {
  std::vector<std::string> radios;  // e.g. "band K5, any model, any hardware version, any radio option"
  std::vector<AnswerChange> changes;
};

struct TableDiff {
  std::string table;  // as the new file (else the old) writes it
  std::vector<ChangeGroup> groups;
};

std::vector<TableDiff> DiffParameters(const clsCalibrationParameters& old_store,
                                      const clsCalibrationParameters& new_store);

}  // namespace vx4820cal::cli
