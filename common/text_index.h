#pragma once
// An index from texts to values kept elsewhere, for a pool that looks up tens of
// thousands of texts per load. A node-based map costs a bucket, a node and the text per
// lookup, each a likely cache miss; here a slot holds the hash and the text's place, so
// a lookup reads the slot and the text. Texts and values must stay put while indexed.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <string_view>
#include <vector>

#include "vx4820cal/text_hash.h"

namespace vx4820cal::calparams {

template <class V>
class TextIndex {
 public:
  static size_t HashOf(std::string_view text) { return HashText(text); }

  // The value indexed under text, whose hash is `hash`; null when there is none.
  V* Find(std::string_view text, size_t hash) const {
    if (slots_.empty()) return nullptr;
    for (size_t at = hash & Mask();; at = (at + 1) & Mask()) {
      const Slot& slot = slots_[at];
      if (!slot.value) return nullptr;
      if (slot.hash == hash && slot.size == text.size() && std::string_view(slot.text, slot.size) == text) {
        return slot.value;
      }
    }
  }

  // Indexes value under text; the caller has found no value under it.
  void Add(std::string_view text, size_t hash, V* value) {
    // At most half full, so a miss ends after a probe or two.
    if (2 * (count_ + 1) > slots_.size()) Grow();
    Place(Slot{hash, text.data(), text.size(), value});
    ++count_;
  }

  size_t size() const { return count_; }

 private:
  struct Slot {
    size_t hash = 0;
    const char* text = nullptr;
    size_t size = 0;
    V* value = nullptr;  // null: the slot is free
  };

  size_t Mask() const { return slots_.size() - 1; }

  void Place(const Slot& slot) {
    size_t at = slot.hash & Mask();
    while (slots_[at].value) at = (at + 1) & Mask();
    slots_[at] = slot;
  }

  // Hashes are kept, so moving to a table twice the size reads no text.
  void Grow() {
    std::vector<Slot> old(std::max<size_t>(kFirstSize, 2 * slots_.size()));
    old.swap(slots_);
    for (const Slot& slot : old) {
      if (slot.value) Place(slot);
    }
  }

  static constexpr size_t kFirstSize = 64;
  static_assert(std::has_single_bit(kFirstSize));

  std::vector<Slot> slots_;
  size_t count_ = 0;
};

}  // namespace vx4820cal::calparams
