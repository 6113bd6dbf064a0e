#pragma once
// The one keyed collection: elements in insertion order numbered from 1, each with an
// optional text key; keys are unique and compared without regard to letter case;
// lookup by key costs O(1). Errors are those of the host's run time: 9 for a
// position out of range, 5 for a key not found, 457 for a duplicate key.
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vx4820cal/error.h"
#include "vx4820cal/key_index.h"
#include "vx4820cal/letter_case.h"
#include "vx4820cal/object.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

template <class T>
class KeyedCollection {
 public:
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
  bool Empty() const { return entries_.empty(); }
  // Makes room for `more` further elements at once (a reader that knows its count).
  void Reserve(size_t more) {
    entries_.reserve(entries_.size() + more);
    index_.Reserve(index_.Size() + more);
  }

  // Adds at the end, or before the element at position `before` (1-based) when given.
  // An empty key adds the element without a key.
  void Add(T item, std::string_view key = {}, int32_t before = 0) {
    auto entry = std::make_unique<Entry>(Entry{UCase(key), std::move(item)});
    if (before != 0 && (before < 1 || before > Count())) throw RuntimeError(err::kSubscriptOutOfRange);
    if (!entry->folded_key.empty()) {
      if (!index_.Insert(entry.get())) throw RuntimeError(err::kDuplicateKey);
    }
    if (before == 0) {
      entries_.push_back(std::move(entry));
    } else {
      entries_.insert(entries_.begin() + (before - 1), std::move(entry));
    }
  }

  T& Item(int32_t position) { return entries_[CheckedIndex(position)]->value; }
  const T& Item(int32_t position) const { return entries_[CheckedIndex(position)]->value; }
  T& Item(std::string_view key) { return FindEntry(key)->value; }
  const T& Item(std::string_view key) const { return FindEntry(key)->value; }
  T& Item(const char* key) { return Item(std::string_view(key)); }
  T& Item(const std::string& key) { return Item(std::string_view(key)); }
  T& Item(const Variant& index_or_key) {
    if (index_or_key.IsText()) return Item(std::string_view(index_or_key.AsTextUnchecked()));
    return Item(PositionOf(index_or_key));
  }

  // The element under key, or nullptr.
  T* Find(std::string_view key) {
    Entry* entry = index_.Find(UCase(key));
    return entry ? &entry->value : nullptr;
  }
  bool ContainsKey(std::string_view key) const { return !key.empty() && index_.Find(UCase(key)) != nullptr; }

  void Remove(int32_t position) { Erase(CheckedIndex(position)); }
  void Remove(std::string_view key) {
    const Entry* entry = FindEntry(key);
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (entries_[i].get() == entry) return Erase(i);
    }
  }
  void Remove(const char* key) { Remove(std::string_view(key)); }
  void Remove(const std::string& key) { Remove(std::string_view(key)); }
  void Remove(const Variant& index_or_key) {
    if (index_or_key.IsText()) return Remove(std::string_view(index_or_key.AsTextUnchecked()));
    Remove(PositionOf(index_or_key));
  }
  void Clear() {
    index_.Clear();
    entries_.clear();
  }

  // In-order walk over the elements.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    for (const auto& entry : entries_) visit(entry->value);
  }

 private:
  struct Entry {
    std::string folded_key;
    T value;
  };

  size_t CheckedIndex(int32_t position) const {
    if (position < 1 || position > Count()) throw RuntimeError(err::kSubscriptOutOfRange);
    return static_cast<size_t>(position - 1);
  }
  static int32_t PositionOf(const Variant& index) {
    switch (index.GetKind()) {
      case Variant::Kind::Long: return index.AsLongUnchecked();
      case Variant::Kind::Double: {
        double d = index.AsDoubleUnchecked();
        if (!(d > -2147483649.0 && d < 2147483648.0)) throw RuntimeError(err::kOverflow);
        return static_cast<int32_t>(std::nearbyint(d));
      }
      case Variant::Kind::Boolean: return index.AsBooleanUnchecked() ? -1 : 0;
      default: throw RuntimeError(err::kTypeMismatch);
    }
  }
  const Entry* FindEntry(std::string_view key) const {
    const Entry* entry = key.empty() ? nullptr : index_.Find(UCase(key));
    if (!entry) throw RuntimeError(err::kInvalidArgument);
    return entry;
  }
  Entry* FindEntry(std::string_view key) {
    return const_cast<Entry*>(static_cast<const KeyedCollection*>(this)->FindEntry(key));
  }
  void Erase(size_t index) {
    if (!entries_[index]->folded_key.empty()) index_.Erase(entries_[index].get());
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  }

  std::vector<std::unique_ptr<Entry>> entries_;
  KeyIndex<Entry> index_;
};

// The general collection the host and the component hand each other (version paths,
// parameter tables): a keyed collection of variants that is itself an object.
class VX4820CAL_API Collection : public Object, public KeyedCollection<Variant> {};

}  // namespace vx4820cal
