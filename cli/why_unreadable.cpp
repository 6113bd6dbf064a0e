#include "cli/why_unreadable.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vx4820cal::cli {

namespace fs = std::filesystem;

std::string WhyUnreadable(const fs::path& path) {
  std::error_code failure;
  fs::file_status status = fs::status(path, failure);
  if (status.type() == fs::file_type::not_found) return "does not exist";
  if (failure) return failure.message();
  // A FIFO or device is never opened: the open could wait for ever.
  if (!fs::is_regular_file(status)) return "is not a regular file";
  int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return std::string("cannot be opened: ") + std::strerror(errno);
  ::close(descriptor);
  return "";
}

}  // namespace vx4820cal::cli
