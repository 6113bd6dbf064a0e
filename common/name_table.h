#pragma once
// A set of texts, each kept once at an address that never changes. Built for the
// loader's hot path: a million lookups of a few hundred short names. A file states a
// table's names in much the same order section after section, so the text that
// followed a text last time is tried before the index.
#include <deque>
#include <string>
#include <string_view>

#include "vx4820cal/key_index.h"

namespace vx4820cal::calparams {

class NameTable {
 public:
  // The kept copy of text, added on first use.
  const std::string* Intern(std::string_view text);
  size_t size() const { return texts_.size(); }

 private:
  struct Entry {
    std::string text;
    Entry* next = nullptr;  // the text interned after this one last time
  };

  std::deque<Entry> texts_;
  KeyIndex<Entry, &Entry::text> index_;
  Entry* last_ = nullptr;  // the entry Intern answered last
};

}  // namespace vx4820cal::calparams
