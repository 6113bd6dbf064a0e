#pragma once
#include <string_view>

#include "vx4820cal/object.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

// An in-order walk over a collection's elements.
class VX4820CAL_API Ienumerator : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{00020404-0000-0000-C000-000000000046}";
  // Puts the next element into item and answers true, or answers false at the end.
  virtual bool Next(Variant& item) = 0;
};

}  // namespace vx4820cal
