#pragma once
// The shared routines every data-file reader needs: the keyless scrambling of
// "PCA Set" files, the user's decimal separator and the decimal-number test. Each
// raises its errors again at once with its own name in front.
#include <string>
#include <string_view>

namespace vx4820cal {

inline constexpr std::string_view kScrambledMarker = "PCA Set";

// Each character's Windows-1252 code plus its 1-based position, modulo 256, as two
// uppercase hex digits; the last digit is moved to the front.
std::string EncryptString(std::string_view plain);

// The inverse; a pair that is not hexadecimal raises error 13.
std::string DecryptString(std::string_view text);

// First character of the user's decimal separator, or "" when it cannot be found.
std::string DecimalSymbol();

// Exactly one "." and, without it, a minus sign or digit followed by digits.
bool IsDouble(std::string_view value);

}  // namespace vx4820cal
