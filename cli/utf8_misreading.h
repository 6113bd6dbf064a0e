#pragma once
// Text saved as UTF-8 where the component reads Windows-1252: every character beyond
// ASCII becomes two to four other characters ("–" reads as "â€“").
#include <optional>
#include <string>
#include <string_view>

namespace vx4820cal::cli {

struct Utf8Misread {
  bool byte_order_mark = false;  // the bytes begin with one: the first word is misread
  std::string message;           // which characters, and how the component reads them
};

// For Windows-1252 bytes that hold a UTF-8 byte order mark or a UTF-8 sequence of a
// character beyond ASCII: the first of them; none otherwise.
std::optional<Utf8Misread> Utf8Misreading(std::string_view bytes);

}  // namespace vx4820cal::cli
