#pragma once
// A set of texts, each kept once at an address that never changes. Built for the
// loader's hot path: a million lookups of a few hundred short names, so the table
// is open-addressed and the hash reads eight bytes at a time.
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
  struct Slot {
    const std::string* text = nullptr;
    uint64_t hash = 0;
  };
  void Grow();

  std::deque<std::string> texts_;
  std::vector<Slot> slots_;  // a power of two long, at most half full
};

}  // namespace vx4820cal::calparams
