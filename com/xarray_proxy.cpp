#include "com/xarray_proxy.h"

#include "com/variant_bridge.h"

namespace vx4820cal::com {

Variant XArrayProxy::Value(int32_t lngRow, int32_t lngColumn) {
  ComVariant value;
  Check(host()->get_Value(lngRow, lngColumn, value.Get()));
  return value.Core();
}

void XArrayProxy::Value(int32_t lngRow, int32_t lngColumn, const Variant& vntValue) {
  ComVariant value(vntValue);
  Check(host()->put_Value(lngRow, lngColumn, *value.Get()));
}

void XArrayProxy::ReDim(int32_t lngRowLower, int32_t lngRowUpper, int32_t lngColumnLower, int32_t lngColumnUpper) {
  Check(host()->ReDim(lngRowLower, lngRowUpper, lngColumnLower, lngColumnUpper));
}

void XArrayProxy::Insert(int32_t lngPosition, int32_t lngCount) { Check(host()->Insert(lngPosition, lngCount)); }

void XArrayProxy::QuickSort(int32_t lngFirstRow, int32_t lngLastRow, int16_t intColumn, int32_t lngOrder,
                            int32_t lngCompare) {
  Check(host()->QuickSort(lngFirstRow, lngLastRow, intColumn, lngOrder, lngCompare));
}

int32_t XArrayProxy::UpperBound(int32_t lngDimension) {
  LONG bound = 0;
  Check(host()->UpperBound(lngDimension, &bound));
  return bound;
}

}  // namespace vx4820cal::com
