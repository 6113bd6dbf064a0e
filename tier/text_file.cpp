#include "tier/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

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

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) throw RuntimeError(OpenFailureNumber(errno, path));
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

}  // namespace vx4820cal
