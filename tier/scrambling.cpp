// The keyless scrambled form of "PCA Set" data files.
#include <array>

#include "tier/codepage.h"
#include "tier/common_globals.h"
#include "tier/error_convention.h"

namespace vx4820cal {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Value of one hex digit, or -1.
constexpr std::array<int8_t, 256> MakeHexValues() {
  std::array<int8_t, 256> values{};
  for (auto& v : values) v = -1;
  for (int c = '0'; c <= '9'; ++c) values[c] = static_cast<int8_t>(c - '0');
  for (int c = 'A'; c <= 'F'; ++c) values[c] = static_cast<int8_t>(c - 'A' + 10);
  for (int c = 'a'; c <= 'f'; ++c) values[c] = static_cast<int8_t>(c - 'a' + 10);
  return values;
}
constexpr std::array<int8_t, 256> kHexValues = MakeHexValues();

int HexValue(char c) { return kHexValues[static_cast<unsigned char>(c)]; }

std::string Encrypt(std::string_view plain) {
  // Hex digits go to out[1..], then the last digit moves to out[0]: the rotation
  // without a second copy.
  std::string out(plain.size() * 2 + 1, '\0');
  size_t length = 1;
  unsigned position = 1;
  for (size_t i = 0; i < plain.size(); ++position) {
    unsigned char byte = static_cast<unsigned char>(plain[i]);
    unsigned code;
    if (byte < 0x80) {
      code = byte;
      ++i;
    } else {
      code = static_cast<unsigned>(Cp1252CodeAt(plain, i));
    }
    unsigned scrambled = (code + position) & 0xFF;
    out[length++] = kHexDigits[scrambled >> 4];
    out[length++] = kHexDigits[scrambled & 0xF];
  }
  if (length == 1) return {};
  out[0] = out[length - 1];
  out.resize(length - 1);
  return out;
}

std::string Decrypt(std::string_view text) {
  if (text.empty()) return {};
  // The rotated text is text[1..] followed by text[0]; read it through At().
  const size_t n = text.size();
  auto at = [&](size_t k) { return k + 1 < n ? text[k + 1] : text[0]; };
  std::string out;
  out.reserve(n / 2 + 1);
  unsigned position = 1;
  for (size_t k = 0; k < n; k += 2, ++position) {
    int high = HexValue(at(k));
    int value;
    if (k + 1 < n) {
      int low = HexValue(at(k + 1));
      if (high < 0 || low < 0) throw RuntimeError(err::kTypeMismatch);
      value = high * 16 + low;
    } else {
      if (high < 0) throw RuntimeError(err::kTypeMismatch);
      value = high;
    }
    unsigned char code = static_cast<unsigned char>((value - static_cast<int>(position & 0xFF) + 256) & 0xFF);
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else {
      out += Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(&code), 1));
    }
  }
  return out;
}

}  // namespace

std::string EncryptString(std::string_view plain) {
  return TrapAndRaiseAgain("EncryptString", [&] { return Encrypt(plain); });
}

std::string DecryptString(std::string_view text) {
  return TrapAndRaiseAgain("DecryptString", [&] { return Decrypt(text); });
}

}  // namespace vx4820cal
