#include "common/codepage.h"

#include <array>
#include <cstdint>

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
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    // The run of ASCII bytes from i, found a word at a time and copied at once.
    size_t end = i;
    while (end + 8 <= bytes.size() && (detail::LoadWord(bytes.data() + end) & detail::kHighBits) == 0) end += 8;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) ++end;
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
