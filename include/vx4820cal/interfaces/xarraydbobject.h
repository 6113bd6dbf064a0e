#pragma once
#include <cstdint>
#include <string_view>

#include "vx4820cal/object.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

// The host's two-dimensional array of variants: combo-item lists and sort tables.
class VX4820CAL_API XArrayDBObject : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{0D62353A-DBA2-11D1-B5DF-0060976089D0}";
  static constexpr std::string_view kHostClassName = "XArrayDBObject";
  static constexpr std::string_view kHostClassID = "{0D62353B-DBA2-11D1-B5DF-0060976089D0}";
  virtual Variant Value(int32_t lngRow, int32_t lngColumn) = 0;
  virtual void Value(int32_t lngRow, int32_t lngColumn, const Variant& vntValue) = 0;
  virtual void ReDim(int32_t lngRowLower, int32_t lngRowUpper, int32_t lngColumnLower, int32_t lngColumnUpper) = 0;
  virtual void Insert(int32_t lngPosition, int32_t lngCount) = 0;
  virtual void QuickSort(int32_t lngFirstRow, int32_t lngLastRow, int16_t intColumn, int32_t lngOrder,
                         int32_t lngCompare) = 0;
  // dim 1: rows, dim 2: columns.
  virtual int32_t UpperBound(int32_t lngDimension) = 0;
};

}  // namespace vx4820cal
