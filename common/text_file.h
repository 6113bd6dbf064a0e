#pragma once
// The data files' line format: a line ends at CR LF or at a lone CR; a lone LF is part
// of the line. A file is read whole and cut into lines without copying.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "common/byte_finder.h"
#include "platform/platform.h"

namespace vx4820cal {

using platform::FileVersion;

// The file's bytes; a file that cannot be opened raises the file system's error
// (53 not found, 76 path not found, 70 permission denied, 75 otherwise). Only a
// regular file is opened: a FIFO, device, socket or directory is refused with 75
// before it is opened, so that none can block the reader or feed it without end.
std::string ReadFileBytes(const std::filesystem::path& path);

// The lines of a file as LineReader gives them, read 64 KiB at a time: a large file
// is never held whole. Opening raises ReadFileBytes's errors, a failed read 75.
class FileLineReader {
 public:
  explicit FileLineReader(const std::filesystem::path& path);

  // Inline where unread bytes are at hand: a reader asks for every line of a file.
  bool AtEnd() { return begin_ < end_ && !skip_line_feed_ ? false : AtEndOfBuffer(); }
  // The next line without its end, valid until the next call; past the end error 62.
  std::string_view Next();
  // The line Next() gave is no longer needed: a buffer grown for a long line is given
  // back at once, before its text is kept elsewhere.
  void DoneWithLine() {
    if (buffer_.size() > kBlockSize) GiveBackGrownBuffer();
  }
  size_t LineNumber() const { return line_number_; }
  // The file's size when it was opened.
  size_t SizeBytes() const { return size_bytes_; }
  // The file's state when it was opened, and now (the same file, even if another has
  // taken its name since).
  const FileVersion& OpenedVersion() const { return opened_; }
  FileVersion CurrentVersion() const;
  size_t BytesRead() const { return bytes_read_; }

 private:
  // Large enough that reading costs a system call per many lines, small enough that a
  // small file does not pay for touching a large buffer.
  static constexpr size_t kBlockSize = size_t{64} << 10;

  bool AtEndOfBuffer();
  void GiveBackGrownBuffer();
  // Reads more of the file behind the unread bytes; false at the end of the file.
  bool Fill();
  size_t GrownSize() const;

  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  FileVersion opened_;
  std::string buffer_;
  size_t begin_ = 0;  // unread bytes are buffer_[begin_, end_)
  size_t end_ = 0;
  ByteFinder<'\r'> carriage_returns_;  // forgotten whenever the buffer changes
  bool at_eof_ = false;
  bool skip_line_feed_ = false;  // the last line ended at a CR that closed the buffer
  size_t line_number_ = 0;
  size_t size_bytes_ = 0;
  size_t bytes_read_ = 0;
};

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
