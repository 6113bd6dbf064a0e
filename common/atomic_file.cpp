#include "common/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
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
  prefix.append(target.filename().string()).append(".tmp.");
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

// Makes the rename itself durable; a folder that cannot be synced loses nothing
// that is not lost anyway.
void SyncFolder(const std::filesystem::path& folder) {
  int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

AtomicFile::AtomicFile(const std::filesystem::path& target) : target_(target) {
  RemoveAbandonedTemporaries(target);
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
    std::string name = TemporaryPrefix(target);
    name.append(std::to_string(::getpid())).append(".").append(std::to_string(counter++));
    path_ = target.parent_path() / name;
    descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor_ < 0 && errno != EEXIST) ThrowErrno();
  }
  if (descriptor_ < 0) ThrowErrno();
}

AtomicFile::~AtomicFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
  if (!committed_) ::unlink(path_.c_str());
}

void AtomicFile::Write(std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    size_t block = std::min(BlockSize(), bytes.size() - done);
    ssize_t count = ::write(descriptor_, bytes.data() + done, block);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) ThrowErrno();
    done += static_cast<size_t>(count);
    written_ += static_cast<size_t>(count);
    Probe();
  }
}

void AtomicFile::Commit() {
  Probe();
  if (::fsync(descriptor_) != 0) ThrowErrno();
  int descriptor = descriptor_;
  descriptor_ = -1;
  if (::close(descriptor) != 0) ThrowErrno();
  if (::rename(path_.c_str(), target_.c_str()) != 0) ThrowErrno();
  committed_ = true;
  SyncFolder(target_.parent_path());
}

void AtomicFile::Probe() const {
  if (tlsProbe) tlsProbe(path_, written_);
}

void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  AtomicFile file(target);
  file.Write(bytes);
  file.Commit();
}

void SetAtomicWriteProbe(std::function<void(const std::filesystem::path&, size_t)> probe, size_t block_size) {
  tlsProbe = std::move(probe);
  tlsProbeBlockSize = tlsProbe ? block_size : 0;
}

}  // namespace vx4820cal::calparams
