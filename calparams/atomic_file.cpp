#include "calparams/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

namespace vx4820cal::calparams {
namespace {

thread_local std::function<void(const std::filesystem::path&, size_t)> tlsProbe;
thread_local size_t tlsProbeBlockSize = 0;

constexpr size_t kBlockSize = size_t{1} << 20;

size_t BlockSize() { return tlsProbeBlockSize != 0 ? tlsProbeBlockSize : kBlockSize; }

[[noreturn]] void ThrowErrno() { throw std::system_error(errno, std::generic_category()); }

// The temporary files of target are named "." + its name + ".tmp.<process>.<n>".
std::string TemporaryPrefix(const std::filesystem::path& target) {
  std::string prefix(".");
  prefix += target.filename().string();
  prefix += ".tmp.";
  return prefix;
}

// True when name is a temporary file of target made by a process that has ended.
bool IsAbandoned(const std::string& name, const std::string& prefix) {
  if (name.rfind(prefix, 0) != 0) return false;
  const char* digits = name.c_str() + prefix.size();
  char* end = nullptr;
  long process = std::strtol(digits, &end, 10);
  if (end == digits || *end != '.' || process <= 0) return false;
  return ::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH;
}

// A process killed while writing leaves its temporary file behind, and nobody else
// would ever remove it: the next writer of the same file does. Files of processes
// that still run are theirs and stay.
void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
  const std::string prefix = TemporaryPrefix(target);
  std::error_code failure;
  std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::filesystem::directory_iterator entry(folder, failure), end;
  for (; !failure && entry != end; entry.increment(failure)) {
    std::error_code ignored;
    if (IsAbandoned(entry->path().filename().string(), prefix)) std::filesystem::remove(entry->path(), ignored);
  }
}

// Owns a descriptor and, until committed, the temporary file's name.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
      path_ = target.parent_path() / TemporaryPrefix(target);
      path_ += std::to_string(::getpid()) + "." + std::to_string(counter++);
      descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (descriptor_ < 0 && errno != EEXIST) ThrowErrno();
    }
    if (descriptor_ < 0) ThrowErrno();
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!committed_) ::unlink(path_.c_str());
  }

  void Write(std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
      size_t block = std::min(BlockSize(), bytes.size() - written);
      ssize_t count = ::write(descriptor_, bytes.data() + written, block);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) ThrowErrno();
      written += static_cast<size_t>(count);
      Probe(written);
    }
    Probe(written);
  }

  void SyncAndClose() {
    if (::fsync(descriptor_) != 0) ThrowErrno();
    int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) ThrowErrno();
  }

  void RenameOver(const std::filesystem::path& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) ThrowErrno();
    committed_ = true;
  }

 private:
  void Probe(size_t written) const {
    if (tlsProbe) tlsProbe(path_, written);
  }

  std::filesystem::path path_;
  int descriptor_ = -1;
  bool committed_ = false;
};

// Makes the rename itself durable; a folder that cannot be synced loses nothing
// that is not lost anyway.
void SyncFolder(const std::filesystem::path& folder) {
  int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  RemoveAbandonedTemporaries(target);
  TemporaryFile temporary(target);
  temporary.Write(bytes);
  temporary.SyncAndClose();
  temporary.RenameOver(target);
  SyncFolder(target.parent_path());
}

void SetAtomicWriteProbe(std::function<void(const std::filesystem::path&, size_t)> probe, size_t block_size) {
  tlsProbe = std::move(probe);
  tlsProbeBlockSize = tlsProbe ? block_size : 0;
}

}  // namespace vx4820cal::calparams
