#include "calparams/line_format.h"

#include <bit>

#include "tier/text.h"

namespace vx4820cal::calparams {
namespace {

constexpr std::array<std::string_view, 5> kUpperKeyWords = {"BANDS", "MODELS", "HWVERSSTART", "HWVERSSTOP",
                                                            "RADIOOPTIONS"};

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Whether the ASCII key word stands at line[at] in any letter case.
bool KeyWordAt(std::string_view line, size_t at, std::string_view upper_word) {
  if (line.size() - at < upper_word.size()) return false;
  for (size_t k = 1; k < upper_word.size(); ++k) {
    if (AsciiUpper(line[at + k]) != upper_word[k]) return false;
  }
  return true;
}

// The first key word (in the order of kUpperKeyWords) that the line holds in any
// letter case, as an index, or -1; one pass over the line. The same answer as
// searching the upper-cased line: upper-casing a well-formed UTF-8 text changes no
// byte outside a-z but those letters, and makes no ASCII byte out of any other.
int FindKeyWord(std::string_view line) {
  unsigned found = 0;  // bit i: kUpperKeyWords[i] occurs
  for (size_t at = 0; at < line.size(); ++at) {
    switch (AsciiUpper(line[at])) {
      case 'B':
        if (KeyWordAt(line, at, kUpperKeyWords[0])) return 0;
        break;
      case 'M':
        if (KeyWordAt(line, at, kUpperKeyWords[1])) found |= 1u << 1;
        break;
      case 'H':
        if (KeyWordAt(line, at, kUpperKeyWords[2])) found |= 1u << 2;
        if (KeyWordAt(line, at, kUpperKeyWords[3])) found |= 1u << 3;
        break;
      case 'R':
        if (KeyWordAt(line, at, kUpperKeyWords[4])) found |= 1u << 4;
        break;
      default: break;
    }
  }
  return found == 0 ? -1 : std::countr_zero(found);
}

}  // namespace

std::string_view CutComment(std::string_view line) { return line.substr(0, line.find(';')); }

std::string TableNameOf(std::string_view header_line) {
  std::string name;
  name.reserve(header_line.size());
  for (char c : header_line) {
    if (c != '[' && c != ']') name.push_back(c);
  }
  return Trim(name);
}

ParsedLineView ParseLineView(std::string_view line) {
  ParsedLineView parsed;
  if (!line.empty() && line.front() == '[') {
    parsed.kind = LineKind::kSectionHeader;
    return parsed;
  }
  size_t equals = line.find('=');
  if (int key = FindKeyWord(line); key >= 0) {
    parsed.kind = LineKind::kHeaderKey;
    parsed.key = static_cast<HeaderKey>(key);
    parsed.has_equals = equals != std::string_view::npos;
    parsed.value = TrimView(parsed.has_equals ? line.substr(equals + 1) : line);
    return parsed;
  }
  if (TrimView(line).empty()) return parsed;
  if (equals == std::string_view::npos) {
    parsed.kind = LineKind::kInvalid;
    return parsed;
  }
  parsed.kind = LineKind::kParameter;
  parsed.name = TrimView(line.substr(0, equals));
  parsed.value = TrimView(line.substr(equals + 1));
  return parsed;
}

ParsedLine ParseLine(std::string_view line) {
  ParsedLineView view = ParseLineView(line);
  ParsedLine parsed;
  parsed.kind = view.kind;
  parsed.key = view.key;
  parsed.name = view.kind == LineKind::kSectionHeader ? TableNameOf(line) : std::string(view.name);
  parsed.value = view.value;
  parsed.has_equals = view.has_equals;
  return parsed;
}

}  // namespace vx4820cal::calparams
