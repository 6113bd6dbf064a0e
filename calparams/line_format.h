#pragma once
// The lines of the calibration parameters file: what each (descrambled, decoded) line
// is, tested in the order the loader tests it.
#include <array>
#include <string>
#include <string_view>

namespace vx4820cal::calparams {

enum class LineKind { kSectionHeader, kHeaderKey, kBlank, kParameter, kInvalid };

// The header keys, in the order a line is tested for them.
enum class HeaderKey { kBands, kModels, kHWversStart, kHWversStop, kRadioOptions };
inline constexpr std::array<const char*, 5> kHeaderKeyNames = {"Bands", "Models", "HWversStart", "HWversStop",
                                                               "RadioOptions"};

struct ParsedLine {
  LineKind kind = LineKind::kBlank;
  HeaderKey key = HeaderKey::kBands;  // kHeaderKey: the first key word the line holds
  std::string name;                   // kSectionHeader: the table; kParameter: the name
  std::string value;                  // kHeaderKey and kParameter: the value
  bool has_equals = false;            // kHeaderKey: the value came after a "="
};

// The line up to its first ";".
std::string_view CutComment(std::string_view line);

// Classifies a line whose comment is already cut: a "[" first makes a section header
// (every "[" and "]" dropped, trimmed); a key word anywhere (any case) a header key
// (the text after the first "=", else the whole line, trimmed); only spaces a blank;
// a "=" a parameter (name and value around the first "=", trimmed); else invalid.
ParsedLine ParseLine(std::string_view line);

}  // namespace vx4820cal::calparams
