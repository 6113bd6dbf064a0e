#pragma once
// The answer of a table lookup: the host's keyed collection of value texts by
// parameter name, which also remembers the names as written, in answer order, so a
// tool can print them (the collection itself keeps only folded keys).
#include <string>
#include <string_view>
#include <vector>

#include "vx4820cal/collection.h"

namespace vx4820cal::calparams {

class ParameterTable : public Collection {
 public:
  // Adds value under name; a name already present (in any case) fails with the
  // collection's duplicate-key error and adds nothing.
  void AddParameter(std::string_view name, std::string_view value) {
    Add(Variant(std::string(value)), name);
    names_.emplace_back(name);
  }
  // The names in the order the lookup added them.
  const std::vector<std::string>& Names() const { return names_; }

 private:
  std::vector<std::string> names_;
};

}  // namespace vx4820cal::calparams
