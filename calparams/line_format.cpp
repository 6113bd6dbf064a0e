#include "calparams/line_format.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "common/text.h"

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
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kHighBits = 0x8080808080808080ULL;
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
int FindKeyWord(std::string_view line) {
  unsigned found = 0;  // bit i: kUpperKeyWords[i] occurs
  auto look_at = [&](size_t at) {
    switch (AsciiUpper(line[at])) {
      case 'B':
        if (KeyWordAt(line, at, kUpperKeyWords[0])) found |= 1u << 0;
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
  };
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
