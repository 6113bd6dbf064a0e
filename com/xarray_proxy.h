#pragma once
// The host's array object (XArrayDBObject) as the core's.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class XArrayProxy final : public vx4820cal::XArrayDBObject, public HostProxy<::XArrayDBObject> {
 public:
  using HostProxy::HostProxy;

  Variant Value(int32_t lngRow, int32_t lngColumn) override;
  void Value(int32_t lngRow, int32_t lngColumn, const Variant& vntValue) override;
  void ReDim(int32_t lngRowLower, int32_t lngRowUpper, int32_t lngColumnLower, int32_t lngColumnUpper) override;
  void Insert(int32_t lngPosition, int32_t lngCount) override;
  void QuickSort(int32_t lngFirstRow, int32_t lngLastRow, int16_t intColumn, int32_t lngOrder,
                 int32_t lngCompare) override;
  int32_t UpperBound(int32_t lngDimension) override;
};

}  // namespace vx4820cal::com
