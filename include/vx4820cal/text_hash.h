#pragma once
// A fast hash of a text for the component's open-addressed tables: eight bytes at a
// time, each word mixed in with a multiply. Not for anything that must resist chosen
// input; the tables stay correct under collisions, only slower.
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vx4820cal {

inline uint64_t MixBits(uint64_t h) {
  h ^= h >> 32;
  h *= 0x9E3779B97F4A7C15ULL;
  return h ^ (h >> 29);
}

namespace detail {
inline uint64_t LoadWord(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}
inline uint64_t LoadHalfWord(const char* at) {
  uint32_t half;
  std::memcpy(&half, at, 4);
  return half;
}

// The last `rest` bytes (1 to 7) of text[0, size), as little-endian bytes of a word
// that is zero above them. Read with whole-word loads, not a copy of that length: a
// copy is a library call, and its bytewise stores stall the load of the word after.
inline uint64_t TailWord(const char* text, size_t size, size_t rest) {
  if (size >= 8) return LoadWord(text + size - 8) >> (8 * (8 - rest));
  const char* tail = text + size - rest;
  if (rest >= 4) return LoadHalfWord(tail) | LoadHalfWord(tail + rest - 4) << (8 * (rest - 4));
  // One to three bytes: first, middle and last (some of them the same byte).
  const auto byte = [&](size_t i) { return uint64_t{static_cast<unsigned char>(tail[i])}; };
  return byte(0) | byte(rest / 2) << (8 * (rest / 2)) | byte(rest - 1) << (8 * (rest - 1));
}
}  // namespace detail

inline uint64_t HashText(std::string_view text) {
  uint64_t h = MixBits(text.size() + 1);
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) h = MixBits(h ^ detail::LoadWord(text.data() + i));
  if (i < text.size()) h = MixBits(h ^ detail::TailWord(text.data(), text.size(), text.size() - i));
  return MixBits(h);
}

}  // namespace vx4820cal
