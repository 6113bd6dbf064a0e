#include "ui/user_fields.h"

#include <vector>

#include "common/error_convention.h"
#include "vx4820cal/snapshot_enumerator.h"

namespace vx4820cal {

clsUserField* colUserFields::AddCells(const UserFieldCells& values, PreparedKey uiid_key) {
  return TrapAndReport("Add", static_cast<clsUserField*>(nullptr), [&] {
    // The inner collection would keep a record without a key, out of reach of Item.
    if (values.UIID.empty()) throw RuntimeError(err::kInvalidArgument);
    // A record refused as a duplicate stays unreachable in the store until it goes.
    clsUserField& record = store_->records.emplace_back(values, store_->texts);
    records_.Add(&record, std::move(uiid_key));
    return &record;
  });
}

std::shared_ptr<clsUserField> colUserFields::Add(const UserFieldValues& values) {
  clsUserField* record = AddCells(UserFieldCells{values.UIID, values.Label, values.HelpID, values.Units, values.UIWidth,
                                                 values.intFactAccessLevel, values.blnFactButCustVis,
                                                 values.intCustAccessLevel, values.strSpclRestrictions,
                                                 values.strATGridID, values.blnDecimalSymbol, values.strNavLabel});
  return record ? Shared(record) : nullptr;
}

std::shared_ptr<clsUserField> colUserFields::Add(UserFieldValues&& values) {
  return Add(static_cast<const UserFieldValues&>(values));
}

std::shared_ptr<clsUserField> colUserFields::Item(const std::string& vntIndexKey) {
  return Shared(records_.Item(std::string_view(vntIndexKey)));
}

void colUserFields::Remove(const std::string& vntIndexKey) {
  TrapQuietly([&] { records_.Remove(std::string_view(vntIndexKey)); });
}

void colUserFields::RemoveAll() {
  records_.Clear();
  // Records handed out keep the old store.
  store_ = std::make_shared<Store>();
}

void colUserFields::ExpectTextBytes(size_t bytes) {
  // A record takes some 80 bytes of text.
  store_->records.Expect(bytes / 80);
  store_->texts.Expect(bytes);
  // The index at its size once, instead of rehashing every key on each doubling.
  records_.Reserve(bytes / 80);
}

std::shared_ptr<Ienumerator> colUserFields::NewEnum() const {
  std::vector<std::shared_ptr<clsUserField>> snapshot;
  snapshot.reserve(static_cast<size_t>(Count()));
  records_.ForEach([&](clsUserField* record) { snapshot.push_back(Shared(record)); });
  return std::make_shared<SnapshotEnumerator<std::shared_ptr<clsUserField>>>(std::move(snapshot));
}

bool colUserFields::Exists(const Variant& varKey) {
  bool found = false;
  TrapQuietly([&] { found = records_.Item(varKey) != nullptr; });
  return found;
}

}  // namespace vx4820cal
