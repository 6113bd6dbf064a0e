#include "cli/utf8_misreading.h"

#include "common/codepage.h"

namespace vx4820cal::cli {
namespace {

// The length of the UTF-8 sequence of two to four bytes at the start of bytes, or 0.
size_t SequenceLength(std::string_view bytes) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  unsigned char lead = byte(0);
  size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                  : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                 : 0;
  if (length == 0 || bytes.size() < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

std::optional<Utf8Misread> Utf8Misreading(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    return Utf8Misread{true, "a UTF-8 byte order mark, which the component reads as the text \"" +
                                 Cp1252ToUtf8(kByteOrderMark) + "\""};
  }
  for (size_t at = 0; at < bytes.size(); ++at) {
    size_t length = SequenceLength(bytes.substr(at));
    if (length == 0) continue;
    std::string_view sequence = bytes.substr(at, length);
    return Utf8Misread{false, "UTF-8 text: \"" + std::string(sequence) + "\" reads as \"" + Cp1252ToUtf8(sequence) +
                                  "\" (the component reads Windows-1252; save the file in that code page)"};
  }
  return std::nullopt;
}

}  // namespace vx4820cal::cli
