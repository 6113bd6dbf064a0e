#pragma once
// Number and Boolean conversions as the host's run time converts a text or a variant:
// surrounding spaces, sign, digits, the user's decimal separator (DecimalSymbol),
// optional exponent; halves round to the even neighbour. Out of range raises error 6
// (overflow), anything else that is not a number error 13 (type mismatch).
#include <cstdint>
#include <string>
#include <string_view>

#include "vx4820cal/variant.h"

namespace vx4820cal {

double TextToDouble(std::string_view text);
int32_t TextToLong(std::string_view text);
int16_t TextToInteger(std::string_view text);
// true/false in any letter case, or a number (not 0 is true).
bool TextToBoolean(std::string_view text);

int32_t RoundToLong(double value);       // error 6 outside the 32-bit range
int16_t NarrowToInteger(int32_t value);  // error 6 outside -32768..32767

double ToDouble(const Variant& value);
int32_t ToLong(const Variant& value);
int16_t ToInteger(const Variant& value);
bool ToBoolean(const Variant& value);
// Numbers as decimal text (a double with the user's decimal separator), Booleans as
// "True"/"False", empty as "".
std::string ToText(const Variant& value);

// Exactly one "." and, without it, a minus sign or digit followed by digits: a
// decimal as the data files write it, whatever the user's separator.
bool IsDouble(std::string_view value);

}  // namespace vx4820cal
