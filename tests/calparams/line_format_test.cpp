// The line classifier looks for key words eight bytes (or, cutting the comment as
// well, a whole short line) at a time without upper-casing the line; it must agree
// with the plain reading: upper-case the line, look for each key word, then for a "=".
#include "calparams/line_format.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/text.h"

namespace vx4820cal::calparams {
namespace {

ParsedLineView PlainReading(std::string_view raw) {
  ParsedLineView parsed;
  std::string_view line = raw.substr(0, raw.find(';'));
  if (!line.empty() && line.front() == '[') {
    parsed.kind = LineKind::kSectionHeader;
    return parsed;
  }
  const std::string upper = UCase(line);
  const size_t equals = line.find('=');
  for (size_t key = 0; key < kHeaderKeyNames.size(); ++key) {
    if (upper.find(UCase(kHeaderKeyNames[key])) == std::string::npos) continue;
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

TEST(LineFormat, OnePassAgreesWithThePlainReading) {
  // Pieces that matter to the classifier, in random order, case and position: key
  // words whole and cut short, marks, spaces, and text beyond ASCII.
  const std::vector<std::string> pieces = {
      "bands", "MoDeLs", "HWversStart", "hwversstop", "RadioOptions", "BAND", "RADIOOPTION", "hw",       "Ra",
      "=",     ";",      "[",           " ",          "  ",           "Gain", "12.5",        "\xC2\xB0", "x"};
  std::mt19937 random(48201);
  for (int round = 0; round < 30000; ++round) {
    std::string raw;
    for (size_t n = random() % 9; n > 0; --n) raw += pieces[random() % pieces.size()];
    const ParsedLineView expected = PlainReading(raw);
    std::string_view cut;
    ParsedLineView at_once;
    CutAndParse(raw, cut, at_once);
    for (const ParsedLineView& actual : {ParseLineView(CutComment(raw)), at_once}) {
      ASSERT_EQ(actual.kind, expected.kind) << raw;
      if (expected.kind == LineKind::kHeaderKey) {
        ASSERT_EQ(actual.key, expected.key) << raw;
        ASSERT_EQ(actual.has_equals, expected.has_equals) << raw;
      }
      ASSERT_EQ(actual.name, expected.name) << raw;
      ASSERT_EQ(actual.value, expected.value) << raw;
    }
    ASSERT_EQ(cut, CutComment(raw)) << raw;
  }
}

}  // namespace
}  // namespace vx4820cal::calparams
