#pragma once
// Upper-casing over the Windows-1252 repertoire, on UTF-8 texts. Header-only, because
// keyed collections on both sides of the component's boundary fold keys the same way.
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

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

// UCase of a text, in its own storage.
inline void FoldInPlace(char* text, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 'a' && c <= 'z') {
      text[i] = static_cast<char>(c - 32);
    } else if ((c == 0xC3 || c == 0xC5) && i + 1 < size) {
      unsigned char c2 = static_cast<unsigned char>(text[i + 1]);
      char32_t code = (static_cast<char32_t>(c & 0x1F) << 6) | (c2 & 0x3F);
      char32_t upper = detail::UpperOfTwoByteLetter(code);
      if (upper != 0) {  // every partner is again two bytes long
        text[i] = static_cast<char>(0xC0 | (upper >> 6));
        text[i + 1] = static_cast<char>(0x80 | (upper & 0x3F));
      }
      ++i;
    }
  }
}

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
  explicit FoldedKey(std::string_view key) : size_(key.size()) {
    if (size_ == 0) return;  // an empty view may have no data at all
    char* text = size_ <= kInPlace ? in_place_ : (on_heap_ = std::make_unique<char[]>(size_)).get();
    std::memcpy(text, key.data(), size_);
    FoldInPlace(text, size_);
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
  size_t size_ = 0;
  char in_place_[kInPlace] = {};
  std::unique_ptr<char[]> on_heap_;
};

}  // namespace vx4820cal
