// The platform on POSIX systems.
#include <dlfcn.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

bool ProcessHasEnded(uint32_t process) {
  if (process == 0 || process > static_cast<uint32_t>(INT32_MAX)) return false;
  return ::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH;
}

std::FILE* OpenForReading(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }

std::optional<uint64_t> OpenFileSize(std::FILE* file) {
  struct stat status {};
  if (::fstat(::fileno(file), &status) != 0 || status.st_size < 0) return std::nullopt;
  return static_cast<uint64_t>(status.st_size);
}

FileHandle CreateNewFile(const std::filesystem::path& path) {
  int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0 && errno == EEXIST) return kNoFile;
  if (descriptor < 0) ThrowErrno();
  return descriptor;
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

}  // namespace vx4820cal::platform
