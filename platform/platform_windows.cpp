// The platform on Windows.
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

bool ProcessHasEnded(uint32_t process) {
  if (process == 0) return false;
  HANDLE handle = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
  if (handle == nullptr) return ::GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD status = 0;
  bool ended = ::GetExitCodeProcess(handle, &status) && status != STILL_ACTIVE;
  ::CloseHandle(handle);
  return ended;
}

std::FILE* OpenForReading(const std::filesystem::path& path) { return ::_wfopen(path.c_str(), L"rb"); }

std::optional<uint64_t> OpenFileSize(std::FILE* file) {
  struct _stat64 status {};
  if (::_fstat64(::_fileno(file), &status) != 0 || status.st_size < 0) return std::nullopt;
  return static_cast<uint64_t>(status.st_size);
}

FileHandle CreateNewFile(const std::filesystem::path& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) return reinterpret_cast<FileHandle>(file);
  if (::GetLastError() == ERROR_FILE_EXISTS) return kNoFile;
  ThrowLastError();
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

}  // namespace vx4820cal::platform
