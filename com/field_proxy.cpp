#include "com/field_proxy.h"

#include "com/variant_bridge.h"

namespace vx4820cal::com {

int32_t FieldProxy::State() {
  LONG state = 0;
  Check(host()->get_State(&state));
  return state;
}

Variant FieldProxy::Value(int32_t lngRecordNr) {
  ComVariant value;
  Check(host()->get_Value(lngRecordNr, value.Get()));
  return value.Core();
}

void FieldProxy::Value(int32_t lngRecordNr, const Variant& vntValue) {
  ComVariant value(vntValue);
  Check(host()->put_Value(lngRecordNr, *value.Get()));
}

}  // namespace vx4820cal::com
