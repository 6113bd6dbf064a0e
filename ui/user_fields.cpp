#include "ui/user_fields.h"

#include <vector>

#include "tier/error_convention.h"
#include "vx4820cal/snapshot_enumerator.h"

namespace vx4820cal {
namespace {

std::shared_ptr<clsUserField> NewRecord(const UserFieldValues& values) {
  auto record = std::make_shared<clsUserField>();
  record->UIID(values.UIID);
  record->Label(values.Label);
  record->HelpID(values.HelpID);
  record->Units(values.Units);
  record->UIWidth(values.UIWidth);
  record->FactAccessLevel(std::to_string(values.intFactAccessLevel));
  record->FactButCustVis(values.blnFactButCustVis);
  record->CustAccessLevel(std::to_string(values.intCustAccessLevel));
  record->SpclRestrictions(values.strSpclRestrictions);
  record->ATGridID(values.strATGridID);
  record->DecimalSymbol(values.blnDecimalSymbol);
  record->NavLabel(values.strNavLabel);
  return record;
}

}  // namespace

std::shared_ptr<clsUserField> colUserFields::Add(const UserFieldValues& values) {
  std::shared_ptr<clsUserField> result;
  TrapAndReport("Add", [&] {
    // The inner collection would keep a record without a key, out of reach of Item.
    if (values.UIID.empty()) throw RuntimeError(err::kInvalidArgument);
    std::shared_ptr<clsUserField> record = NewRecord(values);
    records_.Add(record, values.UIID);
    result = std::move(record);
  });
  return result;
}

std::shared_ptr<clsUserField> colUserFields::Item(const std::string& vntIndexKey) {
  return records_.Item(std::string_view(vntIndexKey));
}

void colUserFields::Remove(const std::string& vntIndexKey) {
  TrapQuietly([&] { records_.Remove(std::string_view(vntIndexKey)); });
}

std::shared_ptr<Ienumerator> colUserFields::NewEnum() const {
  return EnumerateSnapshot(records_);
}

bool colUserFields::Exists(const Variant& varKey) {
  bool found = false;
  TrapQuietly([&] { found = records_.Item(varKey) != nullptr; });
  return found;
}

}  // namespace vx4820cal
