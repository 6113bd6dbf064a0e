#include "common/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <system_error>

namespace vx4820cal::calparams {
namespace {

thread_local std::function<void(const std::filesystem::path&, size_t)> tlsProbe;
thread_local size_t tlsProbeBlockSize = 0;

constexpr size_t kBlockSize = size_t{1} << 20;

size_t BlockSize() { return tlsProbeBlockSize != 0 ? tlsProbeBlockSize : kBlockSize; }

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
// folder, and a number no other writer of this process has used. The numbers start
// from the clocks, as a process of the same id in another pid namespace may share the
// folder.
std::string TemporarySuffix() {
  static std::atomic<uint32_t> counter{
      static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^ platform::NowNs())};
  return std::to_string(platform::ProcessId()) + "-" + std::to_string(counter++);
}

// A process killed while writing leaves its temporary file behind, and nobody else
// would ever remove it: the next writer of the same file does. A writer holds its
// temporary file's lock while it writes, so one whose lock is free was abandoned.
void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
  const std::string prefix = TemporaryPrefix(target);
  std::error_code failure;
  std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::filesystem::directory_iterator entry(folder, failure), end;
  for (; !failure && entry != end; entry.increment(failure)) {
    if (entry->path().filename().string().rfind(prefix, 0) == 0) platform::RemoveFileIfUnclaimed(entry->path());
  }
}

// The bits of the file replaced, or, for a new one, those the process gives any new
// file (as it gave the temporary file just created).
uint32_t DefaultPermissions(const std::filesystem::path& target, const std::filesystem::path& temporary) {
  std::optional<platform::FileVersion> version = platform::FileVersionAt(target);
  if (!version) version = platform::FileVersionAt(temporary);
  return version ? version->permissions : 0600;
}

}  // namespace

AtomicFile::AtomicFile(const std::filesystem::path& target) : target_(target) {
  RemoveAbandonedTemporaries(target);
  const std::string prefix = TemporaryPrefix(target);
  for (int attempt = 0; attempt < 100 && file_ == platform::kNoFile; ++attempt) {
    path_ = target.parent_path() / (prefix + TemporarySuffix());
    file_ = platform::CreateNewFile(path_);
  }
  if (file_ == platform::kNoFile) throw std::system_error(EEXIST, std::generic_category());
  permissions_ = DefaultPermissions(target, path_);
  try {
    // Nobody else reads the new bytes before they are complete.
    platform::SetFilePermissions(file_, 0600 & permissions_);
  } catch (...) {
    Discard();
    throw;
  }
}

AtomicFile::~AtomicFile() {
  if (!committed_) Discard();
}

void AtomicFile::Discard() noexcept {
  // Removed while still claimed, then closed.
  platform::RemoveFileQuietly(path_);
  if (file_ == platform::kNoFile) return;
  try {
    platform::CloseFile(file_);
  } catch (const std::system_error&) {
    // Nothing of it is kept.
  }
  file_ = platform::kNoFile;
}

void AtomicFile::Write(std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    size_t block = std::min(BlockSize(), bytes.size() - done);
    size_t count = platform::WriteSome(file_, bytes.substr(done, block));
    done += count;
    written_ += count;
    Probe();
  }
}

void AtomicFile::Commit() {
  Probe();
  platform::SetFilePermissions(file_, permissions_);
  if (modified_ns_) platform::SetFileModifiedTime(file_, *modified_ns_);
  platform::FlushToDisk(file_);
  // Put in place while still claimed: no clean-up can take it on the way.
  platform::PutInPlace(path_, target_);
  committed_ = true;
  platform::FileHandle file = file_;
  file_ = platform::kNoFile;
  platform::CloseFile(file);
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
