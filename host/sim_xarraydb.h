#pragma once
// The host's array object: a two-dimensional array of variants with bounds.
#include <cstdint>
#include <vector>

#include "vx4820cal/component.h"
#include "vx4820cal/interfaces/xarraydbobject.h"

namespace vx4820cal::simhost {

// Quick-sort codes this array understands.
inline constexpr int32_t kOrderAscending = 0;
inline constexpr int32_t kOrderDescending = 1;
inline constexpr int32_t kCompareNumber = 4;
inline constexpr int32_t kCompareBinaryText = 9;

class SimXArrayDB : public XArrayDBObject {
 public:
  Variant Value(int32_t lngRow, int32_t lngColumn) override;
  void Value(int32_t lngRow, int32_t lngColumn, const Variant& vntValue) override;
  void ReDim(int32_t lngRowLower, int32_t lngRowUpper, int32_t lngColumnLower, int32_t lngColumnUpper) override;
  void Insert(int32_t lngPosition, int32_t lngCount) override;
  void QuickSort(int32_t lngFirstRow, int32_t lngLastRow, int16_t intColumn, int32_t lngOrder,
                 int32_t lngCompare) override;
  int32_t UpperBound(int32_t lngDimension) override;

  int32_t RowCount() const { return row_upper_ - row_lower_ + 1; }

 private:
  Variant& Cell(int32_t row, int32_t column);

  int32_t row_lower_ = 0, row_upper_ = -1, column_lower_ = 0, column_upper_ = -1;
  std::vector<std::vector<Variant>> rows_;
};

// Registers "XArrayDBObject" as a host class the component can create.
void RegisterSimXArrayDBClass(const ComponentApi& api);

}  // namespace vx4820cal::simhost
