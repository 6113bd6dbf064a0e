#pragma once
// Where a parameter record applies: its table, bands, models, hardware versions and
// radio options, in matching form, with the weighting that says how specific they
// are. Every parameter line of one section state gets the same conditions, so the
// loader builds them once and the records share them.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>

namespace vx4820cal::calparams {

inline constexpr int16_t kLowestVersion = 0;
inline constexpr int16_t kHighestVersion = 9999;

inline bool IsVersionInRange(int32_t version) { return version >= kLowestVersion && version <= kHighestVersion; }

// Parameter names, each kept once however many records carry it. The texts stay put
// for as long as the pool lives.
class NamePool {
 public:
  const std::string* Intern(std::string_view name) { return &*names_.emplace(name).first; }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
  };
  std::unordered_set<std::string, Hash, std::equal_to<>> names_;
};

struct ParameterConditions {
  std::string table;      // as written in the file
  std::string table_key;  // upper-cased and trimmed: what lookups compare
  int16_t hw_version_start = -1;
  int16_t hw_version_stop = -1;
  std::string band_list;  // list forms (",H5,H6,")
  std::string model_list;
  std::string radio_option_list;
  std::string band_list_upper;  // the same, upper-cased, for matching
  std::string model_list_upper;
  std::string radio_option_list_upper;
  bool band_default = false;
  bool model_default = false;
  bool radio_option_default = false;

  // Table, bands and models given and both versions within 0 to 9999: a record may
  // be filled with these conditions.
  bool complete = false;

  // Where the names of the records filled with these conditions are kept: the
  // records hold the conditions, and with them the names.
  std::shared_ptr<NamePool> names;

  // 4 for a specific band list, 2 for a specific model list, 1 for a specific radio
  // option list.
  int32_t Weighting() const {
    return (band_default ? 0 : 4) + (model_default ? 0 : 2) + (radio_option_default ? 0 : 1);
  }
};

// The conditions of list texts as written in the file. Radio options are not
// required: an empty list stands for none in force. Records filled with them keep
// their names in `names` (a loader shares one pool among all its sections), or in a
// pool of their own.
std::shared_ptr<const ParameterConditions> MakeConditions(std::string_view table, std::string_view bands,
                                                          std::string_view models, int16_t hw_version_start,
                                                          int16_t hw_version_stop, std::string_view radio_options,
                                                          std::shared_ptr<NamePool> names = nullptr);

}  // namespace vx4820cal::calparams
