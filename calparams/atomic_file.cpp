#include "calparams/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

namespace vx4820cal::calparams {
namespace {

thread_local std::function<void(const std::filesystem::path&, size_t)> tlsProbe;

constexpr size_t kBlockSize = size_t{1} << 20;

[[noreturn]] void ThrowErrno() { throw std::system_error(errno, std::generic_category()); }

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
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
    std::string name(".");
    name.append(target.filename().string()).append(".tmp.").append(std::to_string(::getpid()));
    name.append(".").append(std::to_string(counter++));
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
    size_t block = std::min(kBlockSize, bytes.size() - done);
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

void SetAtomicWriteProbe(std::function<void(const std::filesystem::path&, size_t)> probe) {
  tlsProbe = std::move(probe);
}

}  // namespace vx4820cal::calparams
