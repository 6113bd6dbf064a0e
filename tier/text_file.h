#pragma once
// The data files' line format: a line ends at CR LF or at a lone CR; a lone LF is part
// of the line. A file is read whole and cut into lines without copying.
#include <filesystem>
#include <string>
#include <string_view>

namespace vx4820cal {

// The file's bytes; a file that cannot be opened raises the file system's error
// (53 not found, 76 path not found, 70 permission denied, 75 otherwise).
std::string ReadFileBytes(const std::filesystem::path& path);

class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  // True once every line has been read.
  bool AtEnd() const { return position_ >= bytes_.size(); }

  // The next line without its end; reading past the end raises error 62.
  std::string_view Next();

  // 1-based number of the line Next() returned last.
  size_t LineNumber() const { return line_number_; }

 private:
  std::string_view bytes_;
  size_t position_ = 0;
  size_t line_number_ = 0;
};

}  // namespace vx4820cal
