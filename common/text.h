#pragma once
// Text helpers over the component's UTF-8 texts. Letter case follows the
// Windows-1252 repertoire; trimming removes spaces only, never tabs.
#include <string>
#include <string_view>
#include <vector>

#include "vx4820cal/letter_case.h"

namespace vx4820cal {

// UCase (vx4820cal/letter_case.h) lives with the keyed collection, which folds its
// keys with it.

// True when the two texts are equal after UCase.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Position of needle in text compared without regard to case, or npos.
size_t FindNoCase(std::string_view text, std::string_view needle);

// Removes leading and trailing spaces (code 32) only.
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);

// Splits at every separator; n separators give n + 1 pieces ("" gives one piece).
std::vector<std::string> Split(std::string_view text, std::string_view separator);

// Replaces every occurrence of from (not empty) by to.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace vx4820cal
