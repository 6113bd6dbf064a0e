#include "common/codepage.h"

#include <array>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "vx4820cal/word_loads.h"

namespace vx4820cal {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOfByte(unsigned char byte) {
  return (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : byte;
}

int ByteOfCodePoint(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// The first byte from `from` on that is not ASCII, or the end: sixteen bytes at a
// time, then a word at a time on machines that keep a word's first byte lowest.
size_t AsciiRunEnd(std::string_view bytes, size_t from) {
  size_t i = from;
#if defined(__SSE2__)
  for (; i + 16 <= bytes.size(); i += 16) {
    const auto high =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i))));
    if (high != 0) return i + static_cast<size_t>(std::countr_zero(high));
  }
#endif
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= bytes.size(); i += 8) {
      const uint64_t high = detail::LoadWord(bytes.data() + i) & detail::kHighBits;
      if (high != 0) return i + static_cast<size_t>(std::countr_zero(high)) / 8;
    }
  }
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

}  // namespace

size_t WriteUtf8OfByte(unsigned char byte, char* out) {
  const char32_t code = CodePointOfByte(byte);
  if (code < 0x80) {
    out[0] = static_cast<char>(code);
    return 1;
  }
  if (code < 0x800) {
    out[0] = static_cast<char>(0xC0 | (code >> 6));
    out[1] = static_cast<char>(0x80 | (code & 0x3F));
    return 2;
  }
  out[0] = static_cast<char>(0xE0 | (code >> 12));
  out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
  out[2] = static_cast<char>(0x80 | (code & 0x3F));
  return 3;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  Cp1252ToUtf8Into(bytes, out);
  return out;
}

void Cp1252ToUtf8Into(std::string_view bytes, std::string& out) {
  out.clear();
  AppendCp1252AsUtf8(bytes, out);
}

void AppendCp1252AsUtf8(std::string_view bytes, std::string& out) {
  out.reserve(out.size() + bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    // The run of ASCII bytes from i, copied at once.
    const size_t end = AsciiRunEnd(bytes, i);
    out.append(bytes.data() + i, end - i);
    if (end == bytes.size()) break;
    char encoded[3];
    out.append(encoded, WriteUtf8OfByte(static_cast<unsigned char>(bytes[end]), encoded));
    i = end + 1;
  }
}

int Cp1252CodeAt(std::string_view text, size_t& i) {
  unsigned char lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return '?';
  }
  char32_t code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    unsigned char next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return '?';
    }
    code = (code << 6) | (next & 0x3F);
  }
  i += length;
  int byte = ByteOfCodePoint(code);
  return byte < 0 ? '?' : byte;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) out.push_back(static_cast<char>(Cp1252CodeAt(text, i)));
  return out;
}

}  // namespace vx4820cal
