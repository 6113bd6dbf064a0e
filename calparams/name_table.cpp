#include "calparams/name_table.h"

#include <cstring>

namespace vx4820cal::calparams {
namespace {

constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;

uint64_t Mix(uint64_t h) {
  h ^= h >> 32;
  h *= kMultiplier;
  return h ^ (h >> 29);
}

uint64_t HashOf(std::string_view text) {
  uint64_t h = text.size() * kMultiplier;
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    h = Mix(h ^ word);
  }
  if (i < text.size()) {
    uint64_t word = 0;
    std::memcpy(&word, text.data() + i, text.size() - i);
    h = Mix(h ^ word);
  }
  return Mix(h);
}

}  // namespace

NameTable::NameTable() : slots_(64) {}

const std::string* NameTable::Intern(std::string_view text) {
  Entry* found = last_ && last_->next && last_->next->text == text ? last_->next : Find(text);
  if (last_) last_->next = found;
  last_ = found;
  return &found->text;
}

NameTable::Entry* NameTable::Find(std::string_view text) {
  const uint64_t hash = HashOf(text);
  const size_t mask = slots_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    Slot& slot = slots_[i];
    if (!slot.entry) break;
    if (slot.hash == hash && slot.entry->text == text) return slot.entry;
  }
  Entry* added = &texts_.emplace_back(Entry{std::string(text)});
  if (texts_.size() * 2 > slots_.size()) Grow();
  for (size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
    if (!slots_[i].entry) {
      slots_[i] = {added, hash};
      return added;
    }
  }
}

void NameTable::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.entry) continue;
    size_t i = slot.hash & mask;
    while (slots_[i].entry) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace vx4820cal::calparams
