// The platform on Windows.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include "platform/platform.h"

namespace vx4820cal::platform {
namespace {

constexpr LCTYPE kDecimalSeparatorItem = 14;  // LOCALE_SDECIMAL

// The rest of the component reads failures as POSIX error numbers, as on any system.
int ErrnoFor(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_INVALID_NAME: return EINVAL;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    default: return EIO;
  }
}

[[noreturn]] void ThrowLastError() { throw std::system_error(ErrnoFor(::GetLastError()), std::generic_category()); }

HANDLE AsHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

// One character of the ANSI code page as UTF-8.
std::string Utf8FromAnsi(char character) {
  wchar_t wide = 0;
  if (::MultiByteToWideChar(CP_ACP, 0, &character, 1, &wide, 1) != 1) return {};
  char utf8[4];
  int length = ::WideCharToMultiByte(CP_UTF8, 0, &wide, 1, utf8, sizeof utf8, nullptr, nullptr);
  return length > 0 ? std::string(utf8, static_cast<size_t>(length)) : std::string();
}

// 100-nanosecond ticks from 1601 to 1970.
constexpr int64_t kUnixEpochTicks = 116444736000000000;

int64_t NsFromFileTime(const FILETIME& time) {
  int64_t ticks = (static_cast<int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return (ticks - kUnixEpochTicks) * 100;
}

std::optional<FileVersion> VersionOfHandle(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file, &info)) return std::nullopt;
  FileVersion version;
  version.device = info.dwVolumeSerialNumber;
  version.file = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  version.size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  version.modified_ns = NsFromFileTime(info.ftLastWriteTime);
  version.permissions = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  return version;
}

// The lock that claims a file lies far beyond its end, so that it keeps no reader
// from the bytes, also in the moment after the file is put in place.
constexpr DWORD kClaimOffsetHigh = 0x7FFFFFFF;

bool TryLock(HANDLE file) {
  OVERLAPPED at{};
  at.OffsetHigh = kClaimOffsetHigh;
  return ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
}

// A clean-up may lock the new file in the moment before its writer does, and then
// marks it for deletion before it lets go.
bool Claim(HANDLE file) {
  FILE_STANDARD_INFO info{};
  return TryLock(file) && ::GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof info) &&
         !info.DeletePending;
}

}  // namespace

std::filesystem::path ModuleFolder() {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&ModuleFolder), &module)) {
    return {};
  }
  std::vector<wchar_t> name(MAX_PATH);
  while (true) {
    DWORD length = ::GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) return std::filesystem::path(std::wstring(name.data(), length)).parent_path();
    name.resize(name.size() * 2);
  }
}

// The user's locale, asked first for the size the separator needs and then for the
// separator itself.
std::string UserDecimalSeparator() {
  LCID locale = ::GetUserDefaultLCID();
  int size = ::GetLocaleInfoA(locale, kDecimalSeparatorItem, nullptr, 0);
  if (size <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(size));
  if (::GetLocaleInfoA(locale, kDecimalSeparatorItem, buffer.data(), size) == 0 || buffer[0] == '\0') return {};
  return Utf8FromAnsi(buffer[0]);
}

uint32_t ProcessId() { return ::GetCurrentProcessId(); }

// A folder is refused by its attributes, a device or pipe by the type of the opened
// handle: opening either does not wait.
std::FILE* OpenForReading(const std::filesystem::path& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    errno = EINVAL;
    return nullptr;
  }
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    errno = ErrnoFor(::GetLastError());
    return nullptr;
  }
  int descriptor = ::GetFileType(handle) == FILE_TYPE_DISK
                       ? ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY)
                       : -1;
  if (descriptor < 0) {
    ::CloseHandle(handle);
    errno = EINVAL;
    return nullptr;
  }
  std::FILE* file = ::_fdopen(descriptor, "rb");
  if (!file) ::_close(descriptor);
  return file;
}

std::optional<FileVersion> FileVersionAt(const std::filesystem::path& path) {
  HANDLE handle =
      ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<FileVersion> version = VersionOfHandle(handle);
  ::CloseHandle(handle);
  return version;
}

std::optional<FileVersion> OpenFileVersion(std::FILE* file) {
  return VersionOfHandle(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file))));
}

int64_t FileTimeStepNs() { return 100; }  // FILETIME counts 100 ns ticks

int64_t NowNs() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return NsFromFileTime(now);
}

FileHandle CreateNewFile(const std::filesystem::path& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS) return kNoFile;
  if (file == INVALID_HANDLE_VALUE) ThrowLastError();
  if (Claim(file)) return reinterpret_cast<FileHandle>(file);
  ::CloseHandle(file);
  return kNoFile;
}

void RemoveFileIfUnclaimed(const std::filesystem::path& path) noexcept {
  HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  FILE_DISPOSITION_INFO remove{TRUE};
  if (TryLock(file)) ::SetFileInformationByHandle(file, FileDispositionInfo, &remove, sizeof remove);
  ::CloseHandle(file);
}

// Access to a file here follows its folder's access list: permission bits have no
// counterpart, and a read-only attribute would only stop the next replacement.
void SetFilePermissions(FileHandle, uint32_t) {}

void SetFileModifiedTime(FileHandle file, int64_t modified_ns) {
  int64_t ticks = modified_ns / 100 + kUnixEpochTicks;
  FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  if (!::SetFileTime(AsHandle(file), nullptr, nullptr, &time)) ThrowLastError();
}

size_t WriteSome(FileHandle file, std::string_view bytes) {
  DWORD wanted = static_cast<DWORD>(std::min<size_t>(bytes.size(), DWORD{1} << 30));
  DWORD written = 0;
  if (!::WriteFile(AsHandle(file), bytes.data(), wanted, &written, nullptr)) ThrowLastError();
  if (written == 0 && wanted != 0) throw std::system_error(ENOSPC, std::generic_category());
  return written;
}

void FlushToDisk(FileHandle file) {
  if (!::FlushFileBuffers(AsHandle(file))) ThrowLastError();
}

void CloseFile(FileHandle file) {
  if (!::CloseHandle(AsHandle(file))) ThrowLastError();
}

void PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) ThrowLastError();
}

void RemoveFileQuietly(const std::filesystem::path& path) noexcept { ::DeleteFileW(path.c_str()); }

// Large pages need a privilege a user rarely has: the blocks stay ordinary memory.
void AdviseLargePages(void*, size_t) noexcept {}
void AdviseSmallPages(void*, size_t) noexcept {}

}  // namespace vx4820cal::platform
