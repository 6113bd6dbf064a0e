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

// A line classified without copying: name and value view into the line.
struct ParsedLineView {
  LineKind kind = LineKind::kBlank;
  HeaderKey key = HeaderKey::kBands;
  std::string_view name;   // kParameter: the name, trimmed
  std::string_view value;  // kHeaderKey and kParameter: the value, trimmed
  bool has_equals = false;
};

// The line up to its first ";".
std::string_view CutComment(std::string_view line);

// As ParseLine; a section header's table name is TableNameOf(line).
ParsedLineView ParseLineView(std::string_view line);

// parsed = ParseLineView(text = CutComment(decoded)): a decoded line of the file read
// once for both, its answer written straight into place.
void CutAndParse(std::string_view decoded, std::string_view& text, ParsedLineView& parsed);

// A section header line with every "[" and "]" dropped, trimmed.
std::string TableNameOf(std::string_view header_line);

// Classifies a line whose comment is already cut: a "[" first makes a section header
// (every "[" and "]" dropped, trimmed); a key word anywhere (any case) a header key
// (the text after the first "=", else the whole line, trimmed); only spaces a blank;
// a "=" a parameter (name and value around the first "=", trimmed); else invalid.
ParsedLine ParseLine(std::string_view line);

}  // namespace vx4820cal::calparams
