#include "common/conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "common/decimal_symbol.h"
#include "common/error_convention.h"
#include "common/text.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Rewrites a number in the user's notation as C notation ("." separator), or fails
// with a type mismatch: [sign] digits [separator digits] [e [sign] digits].
std::string ToCNotation(std::string_view text) {
  std::string_view body = TrimView(text);
  std::string separator = DecimalSymbol();
  if (separator.empty()) separator.push_back('.');
  std::string out;
  out.reserve(body.size());
  size_t i = 0;
  if (i < body.size() && (body[i] == '+' || body[i] == '-')) out.push_back(body[i++]);
  size_t digits = 0;
  while (i < body.size() && IsDigit(body[i])) out.push_back(body[i++]), ++digits;
  if (body.substr(i, separator.size()) == separator) {
    i += separator.size();
    out.push_back('.');
    while (i < body.size() && IsDigit(body[i])) out.push_back(body[i++]), ++digits;
  }
  if (digits == 0) throw RuntimeError(err::kTypeMismatch);
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    out.push_back(body[i++]);
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) out.push_back(body[i++]);
    size_t exponent_digits = 0;
    while (i < body.size() && IsDigit(body[i])) out.push_back(body[i++]), ++exponent_digits;
    if (exponent_digits == 0) throw RuntimeError(err::kTypeMismatch);
  }
  if (i != body.size()) throw RuntimeError(err::kTypeMismatch);
  return out;
}

// For a number out of the double's range: too large rather than too small? Decided by
// the exponent's sign, or without exponent by a non-zero whole part.
bool IsHugeMagnitude(std::string_view c_text) {
  size_t exponent = c_text.find_first_of("eE");
  if (exponent != std::string_view::npos) return c_text[exponent + 1] != '-';
  std::string_view whole = c_text.substr(0, c_text.find('.'));
  return whole.find_first_of("123456789") != std::string_view::npos;
}

// A plain whole number ([sign] digits, spaces around) read without the double round
// trip: true with its value, overflow when out of the type's range; false for any
// other text, which the full conversion then reads (or refuses).
template <class Whole>
bool ReadWholeNumber(std::string_view text, Whole& value) {
  std::string_view body = TrimView(text);
  // from_chars reads a minus sign itself; a plus sign is skipped, and only a digit
  // may follow it.
  std::string_view number = !body.empty() && body[0] == '+' ? body.substr(1) : body;
  if (number.empty() || !(IsDigit(number[0]) || (number[0] == '-' && number.size() == body.size()))) return false;
  auto [end, failure] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (end != number.data() + number.size()) return false;
  if (failure == std::errc::result_out_of_range) throw RuntimeError(err::kOverflow);
  return failure == std::errc();
}

}  // namespace

double TextToDouble(std::string_view text) {
  std::string c_text = ToCNotation(text);
  const char* first = c_text.data();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  double value = 0;
  auto [end, failure] = std::from_chars(first, c_text.data() + c_text.size(), value);
  if (failure == std::errc::result_out_of_range) {
    if (IsHugeMagnitude(c_text)) throw RuntimeError(err::kOverflow);
    return 0.0;  // a magnitude too small to hold is zero
  }
  if (failure != std::errc() || end != c_text.data() + c_text.size()) throw RuntimeError(err::kTypeMismatch);
  return value;
}

int32_t RoundToLong(double value) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw RuntimeError(err::kOverflow);
  return static_cast<int32_t>(rounded);
}

int16_t NarrowToInteger(int32_t value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
    throw RuntimeError(err::kOverflow);
  }
  return static_cast<int16_t>(value);
}

int32_t TextToLong(std::string_view text) {
  // Anything but a plain whole number rounds half to even.
  if (int32_t value = 0; ReadWholeNumber(text, value)) return value;
  return RoundToLong(TextToDouble(text));
}

int16_t TextToInteger(std::string_view text) {
  if (int16_t value = 0; ReadWholeNumber(text, value)) return value;
  double value = TextToDouble(text);
  double rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw RuntimeError(err::kOverflow);
  return static_cast<int16_t>(rounded);
}

bool TextToBoolean(std::string_view text) {
  std::string_view body = TrimView(text);
  if (EqualsNoCase(body, "true")) return true;
  if (EqualsNoCase(body, "false")) return false;
  return TextToDouble(body) != 0.0;
}

double ToDouble(const Variant& value) {
  switch (value.GetKind()) {
    case Variant::Kind::Empty: return 0.0;
    case Variant::Kind::Long: return value.AsLongUnchecked();
    case Variant::Kind::Double: return value.AsDoubleUnchecked();
    case Variant::Kind::Boolean: return value.AsBooleanUnchecked() ? -1.0 : 0.0;
    case Variant::Kind::Text: return TextToDouble(value.AsTextUnchecked());
    case Variant::Kind::Object: break;
  }
  throw RuntimeError(err::kTypeMismatch);
}

int32_t ToLong(const Variant& value) {
  switch (value.GetKind()) {
    case Variant::Kind::Long: return value.AsLongUnchecked();
    case Variant::Kind::Text: return TextToLong(value.AsTextUnchecked());
    default: return RoundToLong(ToDouble(value));
  }
}

int16_t ToInteger(const Variant& value) { return NarrowToInteger(ToLong(value)); }

bool ToBoolean(const Variant& value) {
  switch (value.GetKind()) {
    case Variant::Kind::Boolean: return value.AsBooleanUnchecked();
    case Variant::Kind::Text: return TextToBoolean(value.AsTextUnchecked());
    default: return ToDouble(value) != 0.0;
  }
}

std::string ToText(const Variant& value) {
  switch (value.GetKind()) {
    case Variant::Kind::Empty: return {};
    case Variant::Kind::Long: return std::to_string(value.AsLongUnchecked());
    case Variant::Kind::Double: {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.15g", value.AsDoubleUnchecked());
      std::string separator = DecimalSymbol();
      return separator.empty() ? buffer : ReplaceAll(buffer, ".", separator);
    }
    case Variant::Kind::Boolean: return value.AsBooleanUnchecked() ? "True" : "False";
    case Variant::Kind::Text: return value.AsTextUnchecked();
    case Variant::Kind::Object: break;
  }
  throw RuntimeError(err::kTypeMismatch);
}

// One pass, no search call: a loader asks this of every value it stores.
bool IsDouble(std::string_view value) {
  return TrapAndRaiseAgain("IsDouble", [&] {
    // Digits, a minus sign first (the point aside) and exactly one point.
    size_t points = 0;
    bool first = true;
    bool any = false;
    for (char c : value) {
      if (c == '.') {
        if (++points > 1) return false;
        continue;
      }
      const bool ok = (c >= '0' && c <= '9') || (first && c == '-');
      if (!ok) return false;
      first = false;
      any = true;
    }
    return points == 1 && any;
  });
}

}  // namespace vx4820cal
