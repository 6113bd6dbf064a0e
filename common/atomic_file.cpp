#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

namespace vx4820cal::calparams {
namespace {

thread_local std::function<void(const std::filesystem::path&, size_t)> tlsProbe;
thread_local size_t tlsProbeBlockSize = 0;

constexpr size_t kBlockSize = size_t{1} << 20;

size_t BlockSize() { return tlsProbeBlockSize != 0 ? tlsProbeBlockSize : kBlockSize; }

[[noreturn]] void ThrowErrno() { throw std::system_error(errno, std::generic_category()); }

// The temporary files of a target are named ".tmp-" + a hash of its name + "-": short
// enough to fit wherever the target's own name fits.
std::string TemporaryPrefix(const std::filesystem::path& target) {
  uint64_t hash = 14695981039346656037u;  // 64-bit FNV-1a
  for (unsigned char byte : target.filename().string()) hash = (hash ^ byte) * 1099511628211u;
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, ".tmp-%016llx-", static_cast<unsigned long long>(hash));
  return prefix;
}

// The rest of a temporary file's name: the process id, for people looking at the
// folder, and a number no other writer of this process has used. The number starts
// at random, as a process of the same id in another pid namespace may share the folder.
std::string TemporarySuffix() {
  static std::atomic<uint32_t> counter{std::random_device{}()};
  return std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

bool TryLock(int descriptor) { return ::flock(descriptor, LOCK_EX | LOCK_NB) == 0; }

bool SameFile(int descriptor, const std::filesystem::path& path) {
  struct stat opened {
  }, named{};
  return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// A writer holds the lock on its temporary file until the file is renamed or removed,
// so one whose lock can be taken was left by a writer that died. Which process made
// it does not matter: process ids mean nothing across pid namespaces. The file is
// removed while its lock is held, so that its writer, should it just have created it,
// sees it gone when it checks its claim.
void RemoveIfAbandoned(const std::filesystem::path& path) {
  int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return;
  if (TryLock(descriptor) && SameFile(descriptor, path)) ::unlink(path.c_str());
  ::close(descriptor);
}

// A process killed while writing leaves its temporary file behind, and nobody else
// would ever remove it: the next writer of the same file does.
void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
  const std::string prefix = TemporaryPrefix(target);
  std::error_code failure;
  std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::filesystem::directory_iterator entry(folder, failure), end;
  for (; !failure && entry != end; entry.increment(failure)) {
    if (entry->path().filename().string().rfind(prefix, 0) == 0) RemoveIfAbandoned(entry->path());
  }
}

// The new file takes the permission bits of the one it replaces; a new one those the
// process gives any new file (as it gave the temporary file, created just now).
uint32_t DefaultPermissions(const std::filesystem::path& target, int created) {
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0 || ::fstat(created, &status) == 0) {
    return static_cast<uint32_t>(status.st_mode & 0777);
  }
  return 0600;
}

// Makes the rename itself durable; a folder that cannot be synced loses nothing
// that is not lost anyway.
void SyncFolder(const std::filesystem::path& folder) {
  int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

void SetModified(int descriptor, int64_t modified_ns) {
  timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(modified_ns / 1000000000), modified_ns % 1000000000}};
  if (times[1].tv_nsec < 0) {
    times[1].tv_nsec += 1000000000;
    --times[1].tv_sec;
  }
  if (::futimens(descriptor, times) != 0) ThrowErrno();
}

}  // namespace

AtomicFile::AtomicFile(const std::filesystem::path& target) : target_(target) {
  RemoveAbandonedTemporaries(target);
  const std::string prefix = TemporaryPrefix(target);
  for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
    path_ = target.parent_path() / (prefix + TemporarySuffix());
    descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor_ < 0 && errno != EEXIST) ThrowErrno();
    if (descriptor_ >= 0) Claim();
  }
  if (descriptor_ < 0) throw std::system_error(EEXIST, std::generic_category());
  permissions_ = DefaultPermissions(target, descriptor_);
  // Nobody else reads the new bytes before they are complete.
  ::fchmod(descriptor_, 0600 & permissions_);
}

// Locks the file just created; another writer's clean-up may have taken it for
// abandoned in the moment before, and then it is no longer ours.
void AtomicFile::Claim() {
  if (TryLock(descriptor_) && SameFile(descriptor_, path_)) return;
  ::close(descriptor_);
  descriptor_ = -1;
}

AtomicFile::~AtomicFile() {
  if (!committed_) ::unlink(path_.c_str());
  if (descriptor_ >= 0) ::close(descriptor_);
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
  if (::fchmod(descriptor_, permissions_) != 0) ThrowErrno();
  if (modified_ns_) SetModified(descriptor_, *modified_ns_);
  if (::fsync(descriptor_) != 0) ThrowErrno();
  // Renamed while still locked: until then the file is claimed.
  if (::rename(path_.c_str(), target_.c_str()) != 0) ThrowErrno();
  committed_ = true;
  int descriptor = descriptor_;
  descriptor_ = -1;
  if (::close(descriptor) != 0) ThrowErrno();
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
