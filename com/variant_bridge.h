#pragma once
// The core's Variant and the COM VARIANT: empty, Long, Double, Boolean, text and
// object cross as VT_EMPTY, VT_I4, VT_R8, VT_BOOL, VT_BSTR and VT_DISPATCH.

#include "com/com_headers.h"
#include "vx4820cal/variant.h"

namespace vx4820cal::com {

// Other numeric kinds are widened; by-reference variants are read through; a kind
// the core has no value for fails with 13.
Variant CoreVariant(const VARIANT& value);
// Replaces *place (cleared first) with the value.
void StoreVariant(VARIANT* place, const Variant& value);

// An owned VARIANT, cleared when it goes out of scope.
class ComVariant {
 public:
  ComVariant() { VariantInit(&value_); }
  explicit ComVariant(const Variant& value) : ComVariant() { StoreVariant(&value_, value); }
  ComVariant(const ComVariant&) = delete;
  ComVariant& operator=(const ComVariant&) = delete;
  ~ComVariant() { VariantClear(&value_); }
  VARIANT* Get() { return &value_; }
  Variant Core() const { return CoreVariant(value_); }

 private:
  VARIANT value_;
};

}  // namespace vx4820cal::com
