#include "calparams/line_format.h"

#include "tier/text.h"

namespace vx4820cal::calparams {
namespace {

constexpr std::array<std::string_view, 5> kUpperKeyWords = {"BANDS", "MODELS", "HWVERSSTART", "HWVERSSTOP",
                                                            "RADIOOPTIONS"};

std::string WithoutBrackets(std::string_view line) {
  std::string name;
  name.reserve(line.size());
  for (char c : line) {
    if (c != '[' && c != ']') name.push_back(c);
  }
  return Trim(name);
}

// The first key word the line holds, as an index into kUpperKeyWords, or -1.
int FindKeyWord(std::string_view line) {
  std::string upper = UCase(line);
  for (size_t i = 0; i < kUpperKeyWords.size(); ++i) {
    if (upper.find(kUpperKeyWords[i]) != std::string::npos) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::string_view CutComment(std::string_view line) { return line.substr(0, line.find(';')); }

ParsedLine ParseLine(std::string_view line) {
  ParsedLine parsed;
  if (!line.empty() && line.front() == '[') {
    parsed.kind = LineKind::kSectionHeader;
    parsed.name = WithoutBrackets(line);
    return parsed;
  }
  size_t equals = line.find('=');
  if (int key = FindKeyWord(line); key >= 0) {
    parsed.kind = LineKind::kHeaderKey;
    parsed.key = static_cast<HeaderKey>(key);
    parsed.has_equals = equals != std::string_view::npos;
    parsed.value = Trim(parsed.has_equals ? line.substr(equals + 1) : line);
    return parsed;
  }
  if (TrimView(line).empty()) return parsed;
  if (equals == std::string_view::npos) {
    parsed.kind = LineKind::kInvalid;
    return parsed;
  }
  parsed.kind = LineKind::kParameter;
  parsed.name = Trim(line.substr(0, equals));
  parsed.value = Trim(line.substr(equals + 1));
  return parsed;
}

}  // namespace vx4820cal::calparams
