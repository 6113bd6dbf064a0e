#include "common/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/platform.h"

namespace vx4820cal::calparams {
namespace {

thread_local std::function<void(const std::filesystem::path&, size_t)> tlsProbe;
thread_local size_t tlsProbeBlockSize = 0;

constexpr size_t kBlockSize = size_t{1} << 20;

size_t BlockSize() { return tlsProbeBlockSize != 0 ? tlsProbeBlockSize : kBlockSize; }

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
  unsigned long process = std::strtoul(digits, &end, 10);
  if (end == digits || *end != '.' || process == 0 || process > UINT32_MAX) return false;
  return platform::ProcessHasEnded(static_cast<uint32_t>(process));
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

}  // namespace

AtomicFile::AtomicFile(const std::filesystem::path& target) : target_(target) {
  RemoveAbandonedTemporaries(target);
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100 && file_ == platform::kNoFile; ++attempt) {
    std::string name = TemporaryPrefix(target);
    name.append(std::to_string(platform::ProcessId())).append(".").append(std::to_string(counter++));
    path_ = target.parent_path() / name;
    file_ = platform::CreateNewFile(path_);
  }
  if (file_ == platform::kNoFile) throw std::system_error(EEXIST, std::generic_category());
}

AtomicFile::~AtomicFile() {
  if (file_ != platform::kNoFile) {
    try {
      platform::CloseFile(file_);
    } catch (const std::system_error&) {
      // Nothing of it is kept: the temporary file goes below.
    }
  }
  if (!committed_) platform::RemoveFileQuietly(path_);
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
  platform::FlushToDisk(file_);
  platform::FileHandle file = file_;
  file_ = platform::kNoFile;
  platform::CloseFile(file);
  platform::PutInPlace(path_, target_);
  committed_ = true;
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
