#include "ui/user_fields.h"

#include <vector>

#include "common/error_convention.h"
#include "vx4820cal/snapshot_enumerator.h"

namespace vx4820cal {
namespace {

// A new record set from values in the order of Add's parameters; the texts are
// copied, or moved when values is an rvalue.
template <class Values>
std::shared_ptr<clsUserField> NewRecord(Values&& values) {
  auto record = std::make_shared<clsUserField>();
  record->UIID(std::forward<Values>(values).UIID);
  record->Label(std::forward<Values>(values).Label);
  record->HelpID(values.HelpID);
  record->Units(std::forward<Values>(values).Units);
  record->UIWidth(values.UIWidth);
  record->FactAccessLevel(std::to_string(values.intFactAccessLevel));
  record->FactButCustVis(values.blnFactButCustVis);
  record->CustAccessLevel(std::to_string(values.intCustAccessLevel));
  record->SpclRestrictions(std::forward<Values>(values).strSpclRestrictions);
  record->ATGridID(std::forward<Values>(values).strATGridID);
  record->DecimalSymbol(values.blnDecimalSymbol);
  record->NavLabel(std::forward<Values>(values).strNavLabel);
  return record;
}

template <class Values>
std::shared_ptr<clsUserField> AddRecord(KeyedCollection<std::shared_ptr<clsUserField>>& records, Values&& values) {
  std::shared_ptr<clsUserField> result;
  TrapAndReport("Add", [&] {
    // The inner collection would keep a record without a key, out of reach of Item.
    if (values.UIID.empty()) throw RuntimeError(err::kInvalidArgument);
    std::shared_ptr<clsUserField> record = NewRecord(std::forward<Values>(values));
    records.Add(record, record->UIID());
    result = std::move(record);
  });
  return result;
}

}  // namespace

std::shared_ptr<clsUserField> colUserFields::Add(const UserFieldValues& values) { return AddRecord(records_, values); }

std::shared_ptr<clsUserField> colUserFields::Add(UserFieldValues&& values) {
  return AddRecord(records_, std::move(values));
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
