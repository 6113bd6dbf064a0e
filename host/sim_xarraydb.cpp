#include "host/sim_xarraydb.h"

#include <algorithm>

#include "vx4820cal/component.h"
#include "vx4820cal/error.h"

namespace vx4820cal::simhost {
namespace {

std::string SortText(const Variant& value) {
  switch (value.GetKind()) {
    case Variant::Kind::Text: return value.AsTextUnchecked();
    case Variant::Kind::Long: return std::to_string(value.AsLongUnchecked());
    case Variant::Kind::Double: return std::to_string(value.AsDoubleUnchecked());
    default: return {};
  }
}

double SortNumber(const Variant& value) {
  switch (value.GetKind()) {
    case Variant::Kind::Long: return value.AsLongUnchecked();
    case Variant::Kind::Double: return value.AsDoubleUnchecked();
    default: return 0;
  }
}

}  // namespace

Variant& SimXArrayDB::Cell(int32_t row, int32_t column) {
  if (row < row_lower_ || row > row_upper_ || column < column_lower_ || column > column_upper_) {
    throw RuntimeError(err::kSubscriptOutOfRange);
  }
  return rows_[static_cast<size_t>(row - row_lower_)][static_cast<size_t>(column - column_lower_)];
}

Variant SimXArrayDB::Value(int32_t lngRow, int32_t lngColumn) { return Cell(lngRow, lngColumn); }

void SimXArrayDB::Value(int32_t lngRow, int32_t lngColumn, const Variant& vntValue) {
  Cell(lngRow, lngColumn) = vntValue;
}

void SimXArrayDB::ReDim(int32_t lngRowLower, int32_t lngRowUpper, int32_t lngColumnLower, int32_t lngColumnUpper) {
  if (lngRowUpper < lngRowLower - 1 || lngColumnUpper < lngColumnLower) throw RuntimeError(err::kSubscriptOutOfRange);
  row_lower_ = lngRowLower;
  row_upper_ = lngRowUpper;
  column_lower_ = lngColumnLower;
  column_upper_ = lngColumnUpper;
  rows_.assign(static_cast<size_t>(RowCount()),
               std::vector<Variant>(static_cast<size_t>(lngColumnUpper - lngColumnLower + 1)));
}

void SimXArrayDB::Insert(int32_t lngPosition, int32_t lngCount) {
  if (lngCount < 0 || lngPosition < row_lower_ || lngPosition > row_upper_ + 1) {
    throw RuntimeError(err::kSubscriptOutOfRange);
  }
  auto width = static_cast<size_t>(column_upper_ - column_lower_ + 1);
  rows_.insert(rows_.begin() + (lngPosition - row_lower_), static_cast<size_t>(lngCount), std::vector<Variant>(width));
  row_upper_ += lngCount;
}

void SimXArrayDB::QuickSort(int32_t lngFirstRow, int32_t lngLastRow, int16_t intColumn, int32_t lngOrder,
                            int32_t lngCompare) {
  if (lngFirstRow > lngLastRow) return;
  Cell(lngFirstRow, intColumn);
  Cell(lngLastRow, intColumn);
  auto first = rows_.begin() + (lngFirstRow - row_lower_);
  auto last = rows_.begin() + (lngLastRow - row_lower_) + 1;
  size_t column = static_cast<size_t>(intColumn - column_lower_);
  auto less = [&](const std::vector<Variant>& a, const std::vector<Variant>& b) {
    if (lngCompare == kCompareNumber) return SortNumber(a[column]) < SortNumber(b[column]);
    return SortText(a[column]) < SortText(b[column]);
  };
  if (lngOrder == kOrderDescending) {
    std::stable_sort(first, last, [&](const auto& a, const auto& b) { return less(b, a); });
  } else {
    std::stable_sort(first, last, less);
  }
}

int32_t SimXArrayDB::UpperBound(int32_t lngDimension) {
  if (lngDimension == 1) return row_upper_;
  if (lngDimension == 2) return column_upper_;
  throw RuntimeError(err::kSubscriptOutOfRange);
}

void RegisterSimXArrayDBClass(const ComponentApi& api) {
  api.RegisterHostClass(XArrayDBObject::kHostClassName, [] { return std::make_shared<SimXArrayDB>(); });
}

}  // namespace vx4820cal::simhost
