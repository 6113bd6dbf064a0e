#include "common/text.h"

#include <cstring>

#include "vx4820cal/letter_case.h"

namespace vx4820cal {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  // Short texts, nearly every one compared, are folded on the stack.
  constexpr size_t kOnStack = 64;
  if (a.size() > kOnStack) return UCase(a) == UCase(b);
  char folded_a[kOnStack];
  char folded_b[kOnStack];
  FoldInto(folded_a, a.data(), a.size());
  FoldInto(folded_b, b.data(), b.size());
  return std::memcmp(folded_a, folded_b, a.size()) == 0;
}

size_t FindNoCase(std::string_view text, std::string_view needle) { return UCase(text).find(UCase(needle)); }

std::string_view TrimView(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t hit; (hit = text.find(separator, start)) != std::string_view::npos; start = hit + separator.size()) {
    pieces.emplace_back(text.substr(start, hit - start));
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (size_t hit; (hit = text.find(from, start)) != std::string_view::npos; start = hit + from.size()) {
    out.append(text.substr(start, hit - start)).append(to);
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace vx4820cal
