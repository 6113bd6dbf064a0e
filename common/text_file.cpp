#include "common/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/platform.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
namespace {

int32_t OpenFailureNumber(int error_number, const std::filesystem::path& path) {
  switch (error_number) {
    case ENOENT: {
      std::error_code ignored;
      return std::filesystem::is_directory(path.parent_path(), ignored) || path.parent_path().empty()
                 ? err::kFileNotFound
                 : err::kPathNotFound;
    }
    case ENOTDIR: return err::kPathNotFound;
    case EACCES:
    case EPERM: return err::kPermissionDenied;
    case ENAMETOOLONG: return err::kBadFileName;
    default: return err::kPathFileAccess;
  }
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::FILE* OpenForReading(const std::filesystem::path& path) {
  std::FILE* file = platform::OpenForReading(path);
  if (!file) throw RuntimeError(OpenFailureNumber(errno, path));
  return file;
}

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::unique_ptr<std::FILE, FileCloser> file(OpenForReading(path));
  std::string bytes;
  // One read of the whole file where its size is known; growing reads otherwise.
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    long size = std::ftell(file.get());
    if (size > 0) bytes.reserve(static_cast<size_t>(size));
    std::rewind(file.get());
  }
  char buffer[1 << 16];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
  if (std::ferror(file.get())) throw RuntimeError(err::kPathFileAccess);
  return bytes;
}

std::string_view LineReader::Next() {
  if (AtEnd()) throw RuntimeError(err::kInputPastEndOfFile);
  size_t start = position_;
  const void* hit = std::memchr(bytes_.data() + start, '\r', bytes_.size() - start);
  size_t end = hit ? static_cast<size_t>(static_cast<const char*>(hit) - bytes_.data()) : bytes_.size();
  position_ = end + 1;
  if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
  ++line_number_;
  return bytes_.substr(start, end - start);
}

FileLineReader::FileLineReader(const std::filesystem::path& path) : file_(OpenForReading(path)) {
  opened_ = CurrentVersion();
  size_bytes_ = static_cast<size_t>(opened_.size);
  buffer_.resize(kBlockSize);
}

FileVersion FileLineReader::CurrentVersion() const {
  std::optional<FileVersion> version = platform::OpenFileVersion(file_.get());
  if (!version) throw RuntimeError(err::kPathFileAccess);
  return *version;
}

bool FileLineReader::Fill() {
  if (at_eof_) return false;
  carriage_returns_.Forget();
  // Unread bytes move to the front; a line longer than the buffer makes it grow.
  if (begin_ > 0) {
    std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_),
              buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(GrownSize());
  size_t count = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_.get());
  if (std::ferror(file_.get())) throw RuntimeError(err::kPathFileAccess);
  end_ += count;
  bytes_read_ += count;
  if (count == 0) at_eof_ = true;
  return count > 0;
}

size_t FileLineReader::GrownSize() const {
  // Doubling, but straight to what the rest of the file needs (and a byte to see its
  // end) once that is within two doublings: a line of a gigabyte does not take two.
  // A file that grew since it was opened doubles on.
  const size_t doubled = buffer_.size() * 2;
  if (bytes_read_ >= size_bytes_) return doubled;
  const size_t rest = end_ + (size_bytes_ - bytes_read_) + 1;
  return rest <= 2 * doubled ? rest : doubled;
}

void FileLineReader::GiveBackGrownBuffer() {
  if (end_ - begin_ > kBlockSize) return;
  std::string smaller(kBlockSize, '\0');
  std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_), buffer_.begin() + static_cast<std::ptrdiff_t>(end_),
            smaller.begin());
  buffer_.swap(smaller);
  carriage_returns_.Forget();
  end_ -= begin_;
  begin_ = 0;
}

bool FileLineReader::AtEndOfBuffer() {
  while (true) {
    if (begin_ == end_ && !Fill()) return true;
    if (!skip_line_feed_) return false;
    skip_line_feed_ = false;
    if (buffer_[begin_] == '\n') ++begin_;
  }
}

std::string_view FileLineReader::Next() {
  if (AtEnd()) throw RuntimeError(err::kInputPastEndOfFile);
  size_t searched = begin_;
  while (true) {
    if (const size_t cr = carriage_returns_.Find(buffer_.data(), searched, end_); cr < end_) {
      std::string_view line(buffer_.data() + begin_, cr - begin_);
      begin_ = cr + 1;
      if (begin_ < end_) {
        if (buffer_[begin_] == '\n') ++begin_;
      } else {
        skip_line_feed_ = true;
      }
      ++line_number_;
      return line;
    }
    size_t unread = end_ - begin_;
    if (!Fill()) {
      // The last line has no end.
      std::string_view line(buffer_.data() + begin_, end_ - begin_);
      begin_ = end_;
      ++line_number_;
      return line;
    }
    searched = begin_ + unread;
  }
}

}  // namespace vx4820cal
