#pragma once
// The one keyed collection: elements in insertion order numbered from 1, each with an
// optional text key; keys are unique and compared without regard to letter case;
// lookup by key costs O(1). Errors are those of the host's run time: 9 for a
// position out of range, 5 for a key not found, 457 for a duplicate key.
#include <algorithm>
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
#include "vx4820cal/text_hash.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

// The elements live in blocks that never move (a removed one's place is used again),
// in order through a list of pointers: adding a million elements allocates a few
// dozen blocks, and moves no element. Allocator (rebound to each) gives the blocks, the
// order and the index their memory.
template <class T, class Allocator = std::allocator<T>>
class KeyedCollection {
  template <class U>
  using AllocatorOf = typename std::allocator_traits<Allocator>::template rebind_alloc<U>;

 public:
  KeyedCollection() = default;
  // The index and the order point into the blocks.
  KeyedCollection(const KeyedCollection&) = delete;
  KeyedCollection& operator=(const KeyedCollection&) = delete;

  int32_t Count() const { return static_cast<int32_t>(order_.size()); }
  bool Empty() const { return order_.empty(); }
  // Makes room for `more` further elements at once (a reader that knows its count).
  void Reserve(size_t more) {
    order_.reserve(order_.size() + more);
    index_.Reserve(index_.Size() + more);
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < more) AddBlock(more);
  }

  // A key folded and hashed once, for an element that comes next: a reader that knows
  // the key a line ahead lets the index fetch its slot meanwhile, then adds with it.
  class PreparedKey {
   public:
    PreparedKey() = default;

   private:
    friend class KeyedCollection;
    FoldedKey folded_;
    uint64_t hash_ = 0;
  };
  PreparedKey PrepareKey(std::string_view key) const {
    PreparedKey prepared;
    PrepareKey(key, prepared);
    return prepared;
  }
  // The same into a key kept from line to line, which is then not built aside and moved.
  void PrepareKey(std::string_view key, PreparedKey& into) const {
    into.folded_.Assign(key);
    into.hash_ = HashText(into.folded_.View());
    index_.PrefetchHash(into.hash_);
  }

  // Adds at the end, or before the element at position `before` (1-based) when given.
  // An empty key adds the element without a key.
  void Add(T item, std::string_view key = {}, int32_t before = 0) {
    FoldedKey folded(key);
    const uint64_t hash = HashText(folded.View());
    Add(std::move(item), std::move(folded), hash, before);
  }
  void Add(T item, PreparedKey key) { Add(std::move(item), std::move(key.folded_), key.hash_, 0); }

  T& Item(int32_t position) { return order_[CheckedIndex(position)]->value; }

  const T& Item(int32_t position) const { return order_[CheckedIndex(position)]->value; }
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
    Entry* entry = index_.Find(FoldedKey(key).View());
    return entry ? &entry->value : nullptr;
  }
  bool ContainsKey(std::string_view key) const { return !key.empty() && index_.Find(FoldedKey(key).View()) != nullptr; }

  void Remove(int32_t position) { Erase(CheckedIndex(position)); }
  void Remove(std::string_view key) {
    const Entry* entry = FindEntry(key);
    for (size_t i = 0; i < order_.size(); ++i) {
      if (order_[i] == entry) return Erase(i);
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
    order_.clear();
    free_.clear();
    blocks_.clear();
  }

  // In-order walk over the elements.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    for (const Entry* entry : order_) visit(entry->value);
  }

 private:
  struct Entry {
    FoldedKey folded_key;
    T value;
  };

  void Add(T item, FoldedKey folded_key, uint64_t hash, int32_t before) {
    if (before != 0 && (before < 1 || before > Count())) throw RuntimeError(err::kSubscriptOutOfRange);
    // Room first: once the key is indexed, nothing may fail.
    if (order_.size() == order_.capacity()) order_.reserve(std::max<size_t>(16, order_.capacity() * 2));
    Entry& entry = NewEntry(std::move(folded_key), std::move(item));
    if (!entry.folded_key.empty() && !index_.Insert(&entry, hash)) {
      FreeEntry(entry);
      throw RuntimeError(err::kDuplicateKey);
    }
    if (before == 0) {
      order_.push_back(&entry);
    } else {
      order_.insert(order_.begin() + (before - 1), &entry);
    }
  }

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
    const Entry* entry = key.empty() ? nullptr : index_.Find(FoldedKey(key).View());
    if (!entry) throw RuntimeError(err::kInvalidArgument);
    return entry;
  }
  Entry* FindEntry(std::string_view key) {
    return const_cast<Entry*>(static_cast<const KeyedCollection*>(this)->FindEntry(key));
  }
  void Erase(size_t index) {
    Entry* entry = order_[index];
    if (!entry->folded_key.empty()) index_.Erase(entry);
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(index));
    FreeEntry(*entry);
  }
  Entry& NewEntry(FoldedKey folded_key, T item) {
    if (free_.empty()) {
      if (blocks_.empty() || blocks_.back().size() == blocks_.back().capacity()) {
        AddBlock(blocks_.empty() ? 16 : blocks_.back().capacity() * 2);
      }
      return blocks_.back().emplace_back(Entry{std::move(folded_key), std::move(item)});
    }
    Entry* entry = free_.back();
    *entry = Entry{std::move(folded_key), std::move(item)};
    free_.pop_back();
    return *entry;
  }
  // The element goes at once (a removed object is released when it is removed); its
  // place is used again.
  void FreeEntry(Entry& entry) {
    entry = Entry{};
    free_.push_back(&entry);
  }

  // A block is filled up to the capacity it was made with, so it never moves an
  // entry; each new one is twice the last, or as large as a reader expects.
  void AddBlock(size_t capacity) { blocks_.emplace_back().reserve(capacity); }

  std::vector<std::vector<Entry, AllocatorOf<Entry>>> blocks_;  // the entries; free_ lists the unused ones
  std::vector<Entry*> free_;
  std::vector<Entry*, AllocatorOf<Entry*>> order_;  // the elements in order
  KeyIndex<Entry, &Entry::folded_key, AllocatorOf<Entry*>> index_;
};

// The general collection the host and the component hand each other (version paths,
// parameter tables): a keyed collection of variants that is itself an object.
class VX4820CAL_API Collection : public Object, public KeyedCollection<Variant> {};

}  // namespace vx4820cal
