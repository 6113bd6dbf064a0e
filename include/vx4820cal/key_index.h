#pragma once
// The keyed collection's index from folded keys to elements: open-addressed with
// linear probing, each slot holding a key's hash and its element, so that adding a
// new key costs one slot visit and no allocation, and a hundred thousand keys do not
// scatter a hundred thousand nodes over the heap.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "vx4820cal/text_hash.h"

namespace vx4820cal {

// Entry: any type whose member `key` (folded_key by default), a FoldedKey, names it,
// kept at a fixed address while indexed. Allocator (of any type, rebound to the slots)
// gives the slots their memory.
template <class Entry, auto key = &Entry::folded_key, class Allocator = std::allocator<Entry*>>
class KeyIndex {
  struct Slot {
    uint64_t hash = 0;
    Entry* entry = nullptr;
  };
  using Slots = std::vector<Slot, typename std::allocator_traits<Allocator>::template rebind_alloc<Slot>>;

 public:
  size_t Size() const { return size_; }

  Entry* Find(std::string_view folded_key) const {
    if (size_ == 0) return nullptr;
    const uint64_t hash = HashText(folded_key);
    for (size_t i = Home(hash);; i = Next(i)) {
      const Slot& slot = slots_[i];
      if (!slot.entry) return nullptr;
      if (slot.hash == hash && KeyOf(slot.entry) == folded_key) return slot.entry;
    }
  }

  // Asks the memory for the home slot of a key (by its hash) about to be inserted or
  // found: in a large index that slot is a cache miss, which the work done meanwhile
  // then hides.
  void PrefetchHash(uint64_t hash) const {
#if defined(__GNUC__)
    if (!slots_.empty()) __builtin_prefetch(&slots_[Home(hash)]);
#else
    (void)hash;
#endif
  }

  // False, and nothing changes, when the entry's key is indexed already.
  bool Insert(Entry* entry) { return Insert(entry, HashText(KeyOf(entry))); }
  // The same, with the hash of the entry's key known.
  bool Insert(Entry* entry, uint64_t hash) {
    if ((size_ + 1) * 2 > slots_.size()) Rehash(std::max<size_t>(16, slots_.size() * 2));
    size_t i = Home(hash);
    for (; slots_[i].entry; i = Next(i)) {
      if (slots_[i].hash == hash && KeyOf(slots_[i].entry) == KeyOf(entry)) return false;
    }
    slots_[i] = {hash, entry};
    ++size_;
    return true;
  }

  void Erase(const Entry* entry) {
    if (size_ == 0) return;
    size_t hole = Home(HashText(KeyOf(entry)));
    while (slots_[hole].entry && slots_[hole].entry != entry) hole = Next(hole);
    if (!slots_[hole].entry) return;
    slots_[hole] = {};
    --size_;
    // Later slots of the same probe run move back into the hole, so that every key
    // stays reachable from its home slot without gaps.
    for (size_t i = Next(hole); slots_[i].entry; i = Next(i)) {
      const size_t home = Home(slots_[i].hash);
      const bool reachable_past_hole = hole <= i ? (home > hole && home <= i) : (home > hole || home <= i);
      if (reachable_past_hole) continue;
      slots_[hole] = slots_[i];
      slots_[i] = {};
      hole = i;
    }
  }

  void Reserve(size_t count) {
    size_t wanted = 16;
    while (wanted < count * 2) wanted *= 2;
    if (wanted > slots_.size()) Rehash(wanted);
  }

  void Clear() {
    slots_.clear();
    size_ = 0;
  }

 private:
  static std::string_view KeyOf(const Entry* entry) { return (entry->*key).View(); }

  size_t Home(uint64_t hash) const { return hash & (slots_.size() - 1); }
  size_t Next(size_t i) const { return (i + 1) & (slots_.size() - 1); }

  void Rehash(size_t capacity) {
    Slots old(capacity);
    old.swap(slots_);
    for (const Slot& slot : old) {
      if (!slot.entry) continue;
      size_t i = Home(slot.hash);
      while (slots_[i].entry) i = Next(i);
      slots_[i] = slot;
    }
  }

  Slots slots_;  // a power of two long, at most half full
  size_t size_ = 0;
};

}  // namespace vx4820cal
