#pragma once
// The field records by UIID, in the order of the UI field data file. Keys are the
// UIIDs in upper case; two UIIDs that differ only in letter case are one key.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "common/block_list.h"
#include "common/large_pages.h"
#include "common/text_arena.h"
#include "ui/user_field.h"
#include "vx4820cal/collection.h"
#include "vx4820cal/interfaces/ienumerator.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

class colUserFields : public virtual Object {
 public:
  // The new record, or none when it was refused (reported under "Add"): a UIID that is
  // already stored in any letter case, or an empty UIID, which could never be looked up.
  std::shared_ptr<clsUserField> Add(const UserFieldValues& values);
  std::shared_ptr<clsUserField> Add(UserFieldValues&& values);
  // Add for texts that need not outlive the call (the cells of a line being read);
  // the new record, or nullptr when it was refused.
  clsUserField* AddCells(const UserFieldCells& values) { return AddCells(values, PrepareKey(values.UIID)); }
  // A reader that knows the next record's UIID a line ahead prepares its key then
  // (its index slot is fetched meanwhile) and adds the record with it.
  using PreparedKey = KeyedCollection<clsUserField*, calparams::LargePageAllocator<clsUserField*>>::PreparedKey;
  PreparedKey PrepareKey(std::string_view uiid) const { return records_.PrepareKey(uiid); }
  void PrepareKey(std::string_view uiid, PreparedKey& into) const { records_.PrepareKey(uiid, into); }
  clsUserField* AddCells(const UserFieldCells& values, PreparedKey uiid_key);
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
  bool ReadInDataFromTextFile(const std::filesystem::path& data_file);
  // True when varKey (a key in any letter case, or a 1-based position) names a record.
  bool Exists(const Variant& varKey);
  void RemoveAll();
  // Makes room for `more` records at once.
  void Reserve(size_t more) { records_.Reserve(more); }
  // Before the first record: the size of the plain text the records come from (a
  // scrambled file's is half its own), so that a large one starts with large blocks.
  void ExpectTextBytes(size_t bytes);

  // In-order walk without the enumerator object.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    records_.ForEach([&](const clsUserField* record) { visit(*record); });
  }

 private:
  // The records and their texts, in blocks that never move. Every record handed out
  // shares it, so a record outlives its removal and the collection.
  struct Store {
    calparams::BlockList<clsUserField> records;
    calparams::TextArena texts;
  };

  std::shared_ptr<clsUserField> Shared(clsUserField* record) const { return {store_, record}; }

  std::shared_ptr<Store> store_ = std::make_shared<Store>();
  // Large pages: each UIID added or looked up goes to a random index slot, and a large
  // file's records fill megabytes in one go.
  KeyedCollection<clsUserField*, calparams::LargePageAllocator<clsUserField*>> records_;
};

}  // namespace vx4820cal
