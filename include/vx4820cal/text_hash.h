#pragma once
// A fast hash of a text for the component's open-addressed tables: eight bytes at a
// time, each word mixed in with a multiply. Not for anything that must resist chosen
// input; the tables stay correct under collisions, only slower.
#include <cstdint>
#include <string_view>

#include "vx4820cal/word_loads.h"

namespace vx4820cal {

inline uint64_t MixBits(uint64_t h) {
  h ^= h >> 32;
  h *= 0x9E3779B97F4A7C15ULL;
  return h ^ (h >> 29);
}

inline uint64_t HashText(std::string_view text) {
  uint64_t h = MixBits(text.size() + 1);
  size_t i = 0;
  for (; i < text.size(); i += 8) h = MixBits(h ^ detail::WordAt(text.data(), text.size(), i));
  return MixBits(h);
}

}  // namespace vx4820cal
