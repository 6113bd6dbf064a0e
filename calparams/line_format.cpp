#include "calparams/line_format.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "common/text.h"
#include "common/wide_vectors.h"
#include "vx4820cal/word_loads.h"

namespace vx4820cal::calparams {
namespace {

constexpr std::array<std::string_view, 5> kUpperKeyWords = {"BANDS", "MODELS", "HWVERSSTART", "HWVERSSTOP",
                                                            "RADIOOPTIONS"};

constexpr size_t kShortestKeyWord = [] {
  size_t shortest = kUpperKeyWords[0].size();
  for (std::string_view word : kUpperKeyWords) shortest = std::min(shortest, word.size());
  return shortest;
}();

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Whether the ASCII key word stands at line[at] in any letter case.
bool KeyWordAt(std::string_view line, size_t at, std::string_view upper_word) {
  if (line.size() - at < upper_word.size()) return false;
  for (size_t k = 1; k < upper_word.size(); ++k) {
    if (AsciiUpper(line[at + k]) != upper_word[k]) return false;
  }
  return true;
}

// Whether a key word may begin at any of the eight bytes at line[at]: one of them and
// the byte after it are the first two letters of a key word (BA, MO, HW, RA), in
// either case. Clearing bit 5 upper-cases ASCII letters and turns no other byte into
// one. Reads nine bytes from `at`.
bool MayStartKeyWord(const char* at) {
  using detail::kHighBits;
  using detail::kOnes;
  uint64_t first;
  uint64_t second;
  std::memcpy(&first, at, 8);
  std::memcpy(&second, at + 1, 8);
  first &= 0xDF * kOnes;
  second &= 0xDF * kOnes;
  auto holds = [&](char a, char b) {
    uint64_t x = (first ^ (static_cast<uint64_t>(a) * kOnes)) | (second ^ (static_cast<uint64_t>(b) * kOnes));
    return (x - kOnes) & ~x & kHighBits;  // not 0 when a byte of x is 0
  };
  return (holds('B', 'A') | holds('M', 'O') | holds('H', 'W') | holds('R', 'A')) != 0;
}

// The first key word (in the order of kUpperKeyWords) that the line holds in any
// letter case, as an index, or -1; one pass over the line, eight bytes at a time
// where no key word can begin. The same answer as searching the upper-cased line:
// upper-casing a well-formed UTF-8 text changes no byte outside a-z but those
// letters, and makes no ASCII byte out of any other.
// The key words that begin at line[at], bit i for kUpperKeyWords[i].
unsigned KeyWordsAt(std::string_view line, size_t at) {
  switch (AsciiUpper(line[at])) {
    case 'B': return KeyWordAt(line, at, kUpperKeyWords[0]) ? 1u << 0 : 0;
    case 'M': return KeyWordAt(line, at, kUpperKeyWords[1]) ? 1u << 1 : 0;
    case 'H':
      return (KeyWordAt(line, at, kUpperKeyWords[2]) ? 1u << 2 : 0) |
             (KeyWordAt(line, at, kUpperKeyWords[3]) ? 1u << 3 : 0);
    case 'R': return KeyWordAt(line, at, kUpperKeyWords[4]) ? 1u << 4 : 0;
    default: return 0;
  }
}

int FindKeyWord(std::string_view line) {
  unsigned found = 0;  // bit i: kUpperKeyWords[i] occurs
  auto look_at = [&](size_t at) { found |= KeyWordsAt(line, at); };
  size_t at = 0;
  for (; at + 9 <= line.size(); at += 8) {
    if (!MayStartKeyWord(line.data() + at)) continue;
    for (size_t k = at; k < at + 8; ++k) look_at(k);
  }
  // The last bytes through a zero-padded copy (zeros begin no key word); a key word
  // cannot begin closer to the end than its own length.
  if (at + kShortestKeyWord <= line.size()) {
    char padded[16] = {};
    std::memcpy(padded, line.data() + at, line.size() - at);
    if (MayStartKeyWord(padded)) {
      for (; at + kShortestKeyWord <= line.size(); ++at) look_at(at);
    }
  }
  return found == 0 ? -1 : std::countr_zero(found);
}

#if defined(VX4820CAL_WIDE_VECTORS)
// Bits [begin, end) of a 64-bit mask, for 0 <= begin <= end <= 64.
uint64_t BitsFrom(size_t begin, size_t end) {
  const uint64_t below_end = end >= 64 ? ~uint64_t{0} : (uint64_t{1} << end) - 1;
  const uint64_t below_begin = begin >= 64 ? ~uint64_t{0} : (uint64_t{1} << begin) - 1;
  return below_end & ~below_begin;
}

// The bytes of v that are c, a bit each.
VX4820CAL_WIDE_TARGET inline uint64_t Where(__m512i v, char c) {
  return _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(c));
}

// CutAndParse of a line of at most 64 bytes, read in one step: where its ";", its
// "=", its spaces and the starts of possible key words (BA, MO, HW, RA in either
// case) lie, as a bit per byte; then only those places are looked at.
VX4820CAL_WIDE_TARGET void CutAndParseShort(std::string_view decoded, std::string_view& text, ParsedLineView& parsed) {
  const uint64_t bytes = BitsFrom(0, decoded.size());
  const __m512i line = _mm512_maskz_loadu_epi8(bytes, decoded.data());
  const __m512i upper = _mm512_and_si512(line, _mm512_set1_epi8(static_cast<char>(0xDF)));
  const uint64_t semicolons = Where(line, ';') & bytes;
  const size_t cut = semicolons ? static_cast<size_t>(std::countr_zero(semicolons)) : decoded.size();
  text = decoded.substr(0, cut);
  parsed = ParsedLineView();
  if (cut > 0 && decoded[0] == '[') {
    parsed.kind = LineKind::kSectionHeader;
    return;
  }
  const uint64_t in_text = BitsFrom(0, cut);
  const uint64_t filled = ~Where(line, ' ') & in_text;
  auto trimmed = [&](size_t begin, size_t end) -> std::string_view {
    const uint64_t range = filled & BitsFrom(begin, end);
    if (!range) return {};
    const size_t first = static_cast<size_t>(std::countr_zero(range));
    return text.substr(first, 64 - static_cast<size_t>(std::countl_zero(range)) - first);
  };
  const uint64_t equals_signs = Where(line, '=') & in_text;
  const size_t equals = static_cast<size_t>(std::countr_zero(equals_signs));  // 64 when none
  const uint64_t a_next = Where(upper, 'A') >> 1;
  uint64_t starts = (Where(upper, 'B') & a_next) | (Where(upper, 'M') & (Where(upper, 'O') >> 1)) |
                    (Where(upper, 'H') & (Where(upper, 'W') >> 1)) | (Where(upper, 'R') & a_next);
  unsigned found = 0;
  for (starts &= in_text; starts; starts &= starts - 1) found |= KeyWordsAt(text, std::countr_zero(starts));
  if (found) {
    parsed.kind = LineKind::kHeaderKey;
    parsed.key = static_cast<HeaderKey>(std::countr_zero(found));
    parsed.has_equals = equals_signs != 0;
    parsed.value = parsed.has_equals ? trimmed(equals + 1, cut) : trimmed(0, cut);
    return;
  }
  if (!filled) return;
  if (!equals_signs) {
    parsed.kind = LineKind::kInvalid;
    return;
  }
  parsed.kind = LineKind::kParameter;
  parsed.name = trimmed(0, equals);
  parsed.value = trimmed(equals + 1, cut);
}
#endif

}  // namespace

void CutAndParse(std::string_view decoded, std::string_view& text, ParsedLineView& parsed) {
#if defined(VX4820CAL_WIDE_VECTORS)
  if (decoded.size() <= 64 && UseWideVectors()) return CutAndParseShort(decoded, text, parsed);
#endif
  text = CutComment(decoded);
  parsed = ParseLineView(text);
}

std::string_view CutComment(std::string_view line) { return line.substr(0, line.find(';')); }

// Built in place: a file of short sections brings a header every few lines.
std::string TableNameOf(std::string_view header_line) {
  std::string name(header_line.size(), '\0');
  size_t kept = 0;
  for (char c : header_line) {
    name[kept] = c;
    kept += c != '[' && c != ']';
  }
  name.resize(kept);
  const size_t first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  name.erase(name.find_last_not_of(' ') + 1);
  name.erase(0, first);
  return name;
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
