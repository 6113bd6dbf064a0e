#pragma once
// Upper-casing over the Windows-1252 repertoire, on UTF-8 texts. Header-only, because
// keyed collections on both sides of the component's boundary fold keys the same way.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "vx4820cal/word_loads.h"

namespace vx4820cal {

namespace detail {
// Upper-case partner of a two-byte UTF-8 letter (lead byte C3 or C5), or 0.
inline char32_t UpperOfTwoByteLetter(char32_t code) {
  if ((code >= 0xE0 && code <= 0xFE && code != 0xF7)) return code - 0x20;  // à..þ
  switch (code) {
    case 0xFF: return 0x178;   // ÿ
    case 0x161: return 0x160;  // š
    case 0x153: return 0x152;  // œ
    case 0x17E: return 0x17D;  // ž
    default: return 0;
  }
}
}  // namespace detail

namespace detail {
// UCase of eight ASCII bytes (no high bit set), where only a-z change.
inline uint64_t FoldAsciiWord(uint64_t word) {
  // The high bit of each byte in a..z: at least 'a' and not beyond 'z' (no sum carries
  // into the next byte, as every byte is below 0x80).
  const uint64_t lower = (word + (0x80 - 'a') * kOnes) & ~(word + (0x80 - 'z' - 1) * kOnes) & kHighBits;
  return word - (lower >> 2);  // 0x80 >> 2 is the 32 between the cases
}
}  // namespace detail

// UCase of in[0, size) written to out (which may be in): eight bytes at a time while
// they are ASCII.
inline void FoldInto(char* out, const char* in, size_t size) {
  size_t i = 0;
  while (i < size) {
    if (i + 8 <= size) {
      const uint64_t word = detail::LoadWord(in + i);
      if ((word & detail::kHighBits) == 0) {
        const uint64_t folded = detail::FoldAsciiWord(word);
        std::memcpy(out + i, &folded, 8);
        i += 8;
        continue;
      }
    }
    unsigned char c = static_cast<unsigned char>(in[i]);
    if (c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - 32);
    } else if ((c == 0xC3 || c == 0xC5) && i + 1 < size) {
      unsigned char c2 = static_cast<unsigned char>(in[i + 1]);
      char32_t code = (static_cast<char32_t>(c & 0x1F) << 6) | (c2 & 0x3F);
      char32_t upper = detail::UpperOfTwoByteLetter(code);
      // Every partner is again two bytes long.
      out[i] = upper != 0 ? static_cast<char>(0xC0 | (upper >> 6)) : static_cast<char>(c);
      out[i + 1] = upper != 0 ? static_cast<char>(0x80 | (upper & 0x3F)) : static_cast<char>(c2);
      ++i;
    } else {
      out[i] = static_cast<char>(c);
    }
    ++i;
  }
}

// UCase of a text, in its own storage.
inline void FoldInPlace(char* text, size_t size) { FoldInto(text, text, size); }

inline std::string UCase(std::string_view text) {
  std::string out(text);
  FoldInPlace(out.data(), out.size());
  return out;
}

// UCase of a key, kept in place when short: a collection holds one per keyed element,
// and a million names of a couple of dozen letters then cost no allocation each.
class FoldedKey {
 public:
  FoldedKey() = default;
  explicit FoldedKey(std::string_view key) { Assign(key); }
  // Folds `key` into this one, in place: a key prepared for a reader's every line is
  // not built aside and then moved. `key` must not be this key's own text.
  void Assign(std::string_view key) {
    if (key.size() > kInPlace) {
      on_heap_ = std::make_unique_for_overwrite<char[]>(key.size());  // first: it may fail
      size_ = key.size();
      FoldInto(on_heap_.get(), key.data(), key.size());
      return;
    }
    on_heap_.reset();
    size_ = key.size();
    // An empty view may have no data at all.
    if (!key.empty() && !FoldAsciiInPlace(key)) FoldInto(in_place_, key.data(), key.size());
  }
  FoldedKey(FoldedKey&& other) noexcept { *this = std::move(other); }
  FoldedKey& operator=(FoldedKey&& other) noexcept {
    size_ = std::exchange(other.size_, 0);
    on_heap_ = std::move(other.on_heap_);
    std::memcpy(in_place_, other.in_place_, sizeof in_place_);
    return *this;
  }

  std::string_view View() const { return {on_heap_ ? on_heap_.get() : in_place_, size_}; }
  bool empty() const { return size_ == 0; }

 private:
  static constexpr size_t kInPlace = 24;

  // An ASCII key that fits in place, folded a word at a time from whole-word loads and
  // stored a whole word at a time (zero beyond its end): the hash that reads it next
  // then finds each word in one store. False for any other key, whose bytes are then
  // folded again.
  bool FoldAsciiInPlace(std::string_view key) {
    for (size_t i = 0; i < key.size(); i += 8) {
      const uint64_t word = detail::WordAt(key.data(), key.size(), i);
      if (word & detail::kHighBits) return false;
      const uint64_t folded = detail::FoldAsciiWord(word);
      std::memcpy(in_place_ + i, &folded, 8);
    }
    return true;
  }

  size_t size_ = 0;
  char in_place_[kInPlace] = {};
  std::unique_ptr<char[]> on_heap_;
};

}  // namespace vx4820cal
