#pragma once
// Finds, for every record, the first earlier record it ties with: the same name (or
// names that differ only in case) in one table, over conditions that some radio meets
// both of. Each record is checked against the earlier ones of its name that share its
// most selective condition (a band, model or radio option it names, or a stretch of
// hardware versions), so a file of many sections of one name costs about n log n.
#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "cli/cmd_params_lint.h"

namespace vx4820cal::cli {

class LintTieFinder {
 public:
  void Find(const std::vector<LintRecord>& records, std::vector<LintFinding>& findings);

 private:
  static constexpr size_t kVersionBlocks = 100;  // of 100 versions each, 0 to 9999

  // The earlier records of one table and name, indexed by what they name.
  struct Group {
    std::vector<const LintRecord*> members;
    std::array<std::unordered_map<std::string, std::vector<uint32_t>>, 3> named;  // bands, models, options
    std::array<std::vector<uint32_t>, 3> any;                                     // default lists
    std::array<std::vector<uint32_t>, kVersionBlocks> blocks;
  };

  std::vector<uint32_t> Candidates(const Group& group, const LintRecord& record);
  void Insert(Group& group, const LintRecord& record);
  std::optional<std::string> CommonRadio(const LintRecord& a, const LintRecord& b);
  std::optional<std::string> CommonName(const calparams::ConditionList& a, const calparams::ConditionList& b,
                                        bool empty_allowed);
  const std::vector<std::string>& Entries(const calparams::ConditionList& list, bool empty_allowed);
  const std::unordered_set<std::string>& EntrySet(const calparams::ConditionList& list, bool empty_allowed);

  std::unordered_map<std::string, Group> groups_;
  // Upper-cased askable entries of each list, made once.
  std::unordered_map<const calparams::ConditionList*, std::array<std::vector<std::string>, 2>> entries_;
  std::unordered_map<const calparams::ConditionList*, std::array<std::unordered_set<std::string>, 2>> sets_;
};

}  // namespace vx4820cal::cli
