#pragma once
// Collects the lines of a generated data file, each ended by CR LF, and counts them
// against the number of lines the file is to have.
#include <cstddef>
#include <string>
#include <string_view>

namespace vx4820cal::bench {

class SourceWriter {
 public:
  explicit SourceWriter(size_t target_lines) : target_(target_lines) { bytes_.reserve(target_lines * 24); }

  void Line(std::string_view text) {
    bytes_.append(text).append("\r\n");
    ++lines_;
  }
  size_t Lines() const { return lines_; }
  // Lines still to write to reach the target; 0 once it is reached or passed.
  size_t Room() const { return lines_ < target_ ? target_ - lines_ : 0; }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
  size_t target_;
  size_t lines_ = 0;
};

}  // namespace vx4820cal::bench
