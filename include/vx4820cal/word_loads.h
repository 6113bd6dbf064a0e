#pragma once
// Whole-word reads of a text's bytes, for the hash and the key folding, which work a
// word at a time. Little-endian words: byte i of the text is bits 8i to 8i+7.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vx4820cal::detail {

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kHighBits = 0x80 * kOnes;  // the high bit of each byte

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

// The last `rest` bytes (1 to 7) of text[0, size), as a word that is zero above them.
// Read with whole-word loads, not a copy of that length: such a copy is a library
// call, and its bytewise stores stall the load of the word that follows.
inline uint64_t TailWord(const char* text, size_t size, size_t rest) {
  if (size >= 8) return LoadWord(text + size - 8) >> (8 * (8 - rest));
  const char* tail = text + size - rest;
  if (rest >= 4) return LoadHalfWord(tail) | LoadHalfWord(tail + rest - 4) << (8 * (rest - 4));
  // One to three bytes: first, middle and last (some of them the same byte).
  const auto byte = [&](size_t i) { return uint64_t{static_cast<unsigned char>(tail[i])}; };
  return byte(0) | byte(rest / 2) << (8 * (rest / 2)) | byte(rest - 1) << (8 * (rest - 1));
}

// Bytes i to i+7 of text[0, size), zero beyond its end.
inline uint64_t WordAt(const char* text, size_t size, size_t i) {
  return i + 8 <= size ? LoadWord(text + i) : TailWord(text, size, size - i);
}

}  // namespace vx4820cal::detail
