// The platform on POSIX systems.
#include <dlfcn.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <system_error>

#include "platform/platform.h"

namespace vx4820cal::platform {
namespace {

[[noreturn]] void ThrowErrno() { throw std::system_error(errno, std::generic_category()); }

// Looking the locale up costs far more than the getenv calls, and decimal values are
// converted by the thousand while a file loads: remember the last answer per name.
thread_local std::string tlsCachedLocaleName;
thread_local std::string tlsCachedSeparator;
thread_local bool tlsCacheValid = false;

std::string UserNumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

// First UTF-8 character of text.
std::string FirstCharacter(const char* text) {
  if (text == nullptr || *text == '\0') return {};
  unsigned char lead = static_cast<unsigned char>(*text);
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::string first(text, length);
  return first.size() == length ? first : std::string();
}

// Read without touching the process's global locale.
std::string LookUpSeparator(const std::string& locale_name) {
  locale_t locale = newlocale(LC_NUMERIC_MASK, locale_name.c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return {};
  std::string symbol = FirstCharacter(nl_langinfo_l(RADIXCHAR, locale));
  freelocale(locale);
  return symbol;
}

// Makes a rename durable; a folder that cannot be synced loses nothing that is not
// lost anyway.
void SyncFolder(const std::filesystem::path& folder) {
  int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

FileVersion VersionFrom(const struct stat& status) {
  FileVersion version;
  version.device = static_cast<uint64_t>(status.st_dev);
  version.file = static_cast<uint64_t>(status.st_ino);
  version.size = static_cast<uint64_t>(status.st_size);
  version.modified_ns = int64_t{status.st_mtim.tv_sec} * 1000000000 + status.st_mtim.tv_nsec;
  version.permissions = static_cast<uint32_t>(status.st_mode & 0777);
  return version;
}

enum class Lock { kTaken, kHeldByAnother, kNotKept };

// A file system that keeps no locks (some network and user-space ones) cannot tell a
// live writer from a dead one.
Lock TryLock(int descriptor) {
  if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) return Lock::kTaken;
  return errno == EWOULDBLOCK || errno == EINTR ? Lock::kHeldByAnother : Lock::kNotKept;
}

bool IsFileAt(int descriptor, const std::filesystem::path& path) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// A clean-up may lock the new file in the moment before its writer does, and then
// removes it before it lets go: the writer sees the name gone when it has the lock.
// Where locks are not kept, the file is written unclaimed, and no clean-up removes it.
bool Claim(int descriptor, const std::filesystem::path& path) {
  return TryLock(descriptor) != Lock::kHeldByAnother && IsFileAt(descriptor, path);
}

}  // namespace

std::filesystem::path ModuleFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ModuleFolder), &info) == 0 || info.dli_fname == nullptr) return {};
  std::error_code ignored;
  std::filesystem::path file = std::filesystem::absolute(info.dli_fname, ignored);
  return file.parent_path();
}

std::string UserDecimalSeparator() {
  std::string name = UserNumericLocaleName();
  if (!tlsCacheValid || name != tlsCachedLocaleName) {
    tlsCachedSeparator = LookUpSeparator(name);
    tlsCachedLocaleName = std::move(name);
    tlsCacheValid = true;
  }
  return tlsCachedSeparator;
}

uint32_t ProcessId() { return static_cast<uint32_t>(::getpid()); }

// The path is looked at before anything is opened, and the opened file once more, as
// another may have taken the name in between.
std::FILE* OpenForReading(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    errno = EINVAL;
    return nullptr;
  }
  int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  bool regular = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
  std::FILE* file = regular ? ::fdopen(descriptor, "rb") : nullptr;
  if (!file) {
    ::close(descriptor);
    errno = EINVAL;
  }
  return file;
}

std::optional<FileVersion> FileVersionAt(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return VersionFrom(status);
}

std::optional<FileVersion> OpenFileVersion(std::FILE* file) {
  struct stat status {};
  if (::fstat(::fileno(file), &status) != 0) return std::nullopt;
  return VersionFrom(status);
}

int64_t FileTimeStepNs() { return 1; }

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

FileHandle CreateNewFile(const std::filesystem::path& path) {
  int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0 && errno == EEXIST) return kNoFile;
  if (descriptor < 0) ThrowErrno();
  if (Claim(descriptor, path)) return descriptor;
  ::close(descriptor);
  return kNoFile;
}

// The file is removed while its lock is held, so that its writer, had it only just
// created it, finds it gone once it has the lock.
void RemoveFileIfUnclaimed(const std::filesystem::path& path) noexcept {
  int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return;
  if (TryLock(descriptor) == Lock::kTaken && IsFileAt(descriptor, path)) ::unlink(path.c_str());
  ::close(descriptor);
}

void SetFilePermissions(FileHandle file, uint32_t permissions) {
  if (::fchmod(static_cast<int>(file), static_cast<mode_t>(permissions & 0777)) != 0) ThrowErrno();
}

void SetFileModifiedTime(FileHandle file, int64_t modified_ns) {
  constexpr int64_t kSecond = 1000000000;
  int64_t seconds = modified_ns / kSecond, nanoseconds = modified_ns % kSecond;
  if (nanoseconds < 0) {
    nanoseconds += kSecond;
    --seconds;
  }
  timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), static_cast<long>(nanoseconds)}};
  if (::futimens(static_cast<int>(file), times) != 0) ThrowErrno();
}

size_t WriteSome(FileHandle file, std::string_view bytes) {
  while (true) {
    ssize_t count = ::write(static_cast<int>(file), bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) ThrowErrno();
    if (count == 0 && !bytes.empty()) throw std::system_error(ENOSPC, std::generic_category());
    return static_cast<size_t>(count);
  }
}

void FlushToDisk(FileHandle file) {
  if (::fsync(static_cast<int>(file)) != 0) ThrowErrno();
}

void CloseFile(FileHandle file) {
  if (::close(static_cast<int>(file)) != 0) ThrowErrno();
}

void PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) ThrowErrno();
  SyncFolder(to.parent_path());
}

void RemoveFileQuietly(const std::filesystem::path& path) noexcept { ::unlink(path.c_str()); }

void AdviseLargePages([[maybe_unused]] void* block, [[maybe_unused]] size_t bytes) noexcept {
#ifdef MADV_HUGEPAGE
  ::madvise(block, bytes, MADV_HUGEPAGE);
#endif
}

void AdviseSmallPages([[maybe_unused]] void* block, [[maybe_unused]] size_t bytes) noexcept {
#ifdef MADV_NOHUGEPAGE
  ::madvise(block, bytes, MADV_NOHUGEPAGE);
#endif
}

}  // namespace vx4820cal::platform
