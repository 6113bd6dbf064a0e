#pragma once
// Upper-casing over the Windows-1252 repertoire, on UTF-8 texts. Header-only, because
// keyed collections on both sides of the component's boundary fold keys the same way.
#include <string>
#include <string_view>

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
inline void FoldInPlace(std::string& out) {
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - 32);
    } else if ((c == 0xC3 || c == 0xC5) && i + 1 < out.size()) {
      unsigned char c2 = static_cast<unsigned char>(out[i + 1]);
      char32_t code = (static_cast<char32_t>(c & 0x1F) << 6) | (c2 & 0x3F);
      char32_t upper = detail::UpperOfTwoByteLetter(code);
      if (upper != 0) {  // every partner is again two bytes long
        out[i] = static_cast<char>(0xC0 | (upper >> 6));
        out[i + 1] = static_cast<char>(0x80 | (upper & 0x3F));
      }
      ++i;
    }
  }
}

inline std::string UCase(std::string_view text) {
  std::string out(text);
  FoldInPlace(out);
  return out;
}

}  // namespace vx4820cal
