#pragma once
// A set of texts, each kept once at an address that never changes. Built for the
// loader's hot path: a million lookups of a few hundred short names, so the table
// is open-addressed and the hash reads eight bytes at a time. A file states a
// table's names in much the same order section after section, so the text that
// followed a text last time is tried before any hashing.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace vx4820cal::calparams {

class NameTable {
 public:
  NameTable();
  // The kept copy of text, added on first use.
  const std::string* Intern(std::string_view text);
  size_t size() const { return texts_.size(); }

 private:
  struct Entry {
    std::string text;       // first: Intern hands out its address
    Entry* next = nullptr;  // the text interned after this one last time
  };
  struct Slot {
    Entry* entry = nullptr;
    uint64_t hash = 0;
  };
  Entry* Find(std::string_view text);
  void Grow();

  std::deque<Entry> texts_;
  Entry* last_ = nullptr;    // the entry Intern answered last
  std::vector<Slot> slots_;  // a power of two long, at most half full
};

}  // namespace vx4820cal::calparams
