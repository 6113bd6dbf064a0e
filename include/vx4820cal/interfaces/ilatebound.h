#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "vx4820cal/object.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

// An object called by operation name (the host's schema module). An object that
// does not offer this interface, or an Invoke of a name it lacks, fails with 438.
class VX4820CAL_API IlateBound : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{00020400-0000-0000-C000-000000000046}";
  virtual Variant Invoke(const std::string& strMethod, std::vector<Variant>& args) = 0;
};

}  // namespace vx4820cal
