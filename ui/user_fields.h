#pragma once
// The field records by UIID, in the order of the UI field data file. Keys are the
// UIIDs in upper case; two UIIDs that differ only in letter case are one key.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "ui/user_field.h"
#include "vx4820cal/collection.h"
#include "vx4820cal/interfaces/ienumerator.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

// The values Add stores in a new record, in the order of its parameters. Every member
// has an initializer, so a caller names only the values it sets.
struct UserFieldValues {
  std::string UIID{};
  std::string Label{};
  int32_t HelpID = 0;
  std::string Units{};
  int32_t UIWidth = 0;
  int16_t intFactAccessLevel = 0;
  bool blnFactButCustVis = false;
  int16_t intCustAccessLevel = 0;
  std::string strSpclRestrictions{};
  std::string strATGridID{};
  bool blnDecimalSymbol = false;
  std::string strNavLabel{};
};

class colUserFields : public virtual Object {
 public:
  // The new record, or none when it was refused (reported under "Add"): a UIID that is
  // already stored in any letter case, or an empty UIID, which could never be looked up.
  std::shared_ptr<clsUserField> Add(const UserFieldValues& values);
  // The same, taking the texts over instead of copying them.
  std::shared_ptr<clsUserField> Add(UserFieldValues&& values);
  // Error 5 straight to the caller when no record is stored under the key.
  std::shared_ptr<clsUserField> Item(const std::string& vntIndexKey);
  int32_t Count() const { return records_.Count(); }
  // Removes the record under the key, if there is one; never fails.
  void Remove(const std::string& vntIndexKey);
  // Walks the records in insertion order, each as an object reference.
  std::shared_ptr<Ienumerator> NewEnum() const;
  // Reads the UI field data file into the collection. False without any report when
  // the file cannot be opened; false after a report when a line cannot be read (the
  // records before it stay). Lines that yield no UIID are skipped.
  bool ReadInDataFromTextFile(const std::filesystem::path& strCTCSSFilename);
  // True when varKey (a key in any letter case, or a 1-based position) names a record.
  bool Exists(const Variant& varKey);
  void RemoveAll() { records_.Clear(); }
  // Makes room for `more` records at once.
  void Reserve(size_t more) { records_.Reserve(more); }

  // In-order walk without the enumerator object.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    records_.ForEach([&](const std::shared_ptr<clsUserField>& record) { visit(*record); });
  }

 private:
  KeyedCollection<std::shared_ptr<clsUserField>> records_;
};

}  // namespace vx4820cal
