#pragma once
// The keyless scrambling of "PCA Set" data files: each character's Windows-1252 code
// plus its 1-based position, modulo 256, as two uppercase hex digits, the last digit
// moved to the front. Each routine raises its errors again at once with its own name
// in front.
#include <string>
#include <string_view>

namespace vx4820cal {

// The first line of a scrambled file.
inline constexpr std::string_view kScrambledMarker = "PCA Set";

std::string EncryptString(std::string_view plain);

// The inverse; a pair that is not hexadecimal raises error 13.
std::string DecryptString(std::string_view text);

// The same in the forms the readers and writers use on every line:

// Appends EncryptString of the text the Windows-1252 bytes stand for: every byte is
// its own code, so there is no round trip through UTF-8.
void AppendEncryptedBytes(std::string_view cp1252, std::string& out);

// out = DecryptString(text), reusing out's storage.
void DecryptInto(std::string_view text, std::string& out);

// out += DecryptString(text); out as it was when that raises.
void AppendDecryptedText(std::string_view text, std::string& out);

}  // namespace vx4820cal
