#pragma once
// Everything the component asks of the operating system that differs between
// systems, as plain functions; one implementation file per system. Failures raise
// std::system_error with the system's own error code unless said otherwise.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vx4820cal::platform {

// --- the component's own file

// The folder of the file that holds the component's code (its shared library or
// DLL, or the program it is linked into); empty when the system cannot tell.
std::filesystem::path ModuleFolder();

// --- the user's locale

// The user's decimal separator, its first character; empty when the system has none.
std::string UserDecimalSeparator();

// --- processes

uint32_t ProcessId();

// --- files

// Opens a regular file for reading in binary mode, whatever characters the path
// holds; nullptr with errno set when it cannot. Anything else (a FIFO, a device, a
// socket, a directory) is refused with EINVAL before it is opened, and the open
// itself never waits.
std::FILE* OpenForReading(const std::filesystem::path& path);

// One state of one file: which file it is, its size and its last write. Two states
// equal in these are taken for the same bytes.
struct FileVersion {
  uint64_t device = 0;
  uint64_t file = 0;  // the file's number on its device
  uint64_t size = 0;
  int64_t modified_ns = 0;   // nanoseconds since 1970
  uint32_t permissions = 0;  // POSIX permission bits; not part of the comparison
  bool operator==(const FileVersion& other) const {
    return device == other.device && file == other.file && size == other.size && modified_ns == other.modified_ns;
  }
};
// The file a path names now (following links); nullopt when it names none.
std::optional<FileVersion> FileVersionAt(const std::filesystem::path& path);
// The open file's state now, whatever its name has become; nullopt when unknown.
std::optional<FileVersion> OpenFileVersion(std::FILE* file);
// The system clock, in the time stamps' unit.
int64_t NowNs();
// The smallest step of the modification times this system keeps for a file.
int64_t FileTimeStepNs();

// A file being written by the component, as the system's handle.
using FileHandle = intptr_t;
inline constexpr FileHandle kNoFile = -1;

// Creates a file that did not exist, for writing, and claims it: the file is locked
// until it is closed. kNoFile when the name exists already, or when another writer's
// clean-up took the file for abandoned before it could be locked.
FileHandle CreateNewFile(const std::filesystem::path& path);
// Removes the file at path if nobody holds its lock: its writer has ended, whichever
// process or pid namespace it ran in. Failures are ignored.
void RemoveFileIfUnclaimed(const std::filesystem::path& path) noexcept;
// The permission bits and last write time a file being written will keep.
void SetFilePermissions(FileHandle file, uint32_t permissions);
void SetFileModifiedTime(FileHandle file, int64_t modified_ns);
// Writes some of bytes and answers how many; never 0 for a non-empty write.
size_t WriteSome(FileHandle file, std::string_view bytes);
// Puts what was written on the disk.
void FlushToDisk(FileHandle file);
void CloseFile(FileHandle file);
// Moves from into the place of to in one step (to need not exist) and makes the
// change durable: no reader ever sees a mixture of the two. from may still be open
// (and so stay claimed until it is in place).
void PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to);
// Removes a file when it can; failures are ignored.
void RemoveFileQuietly(const std::filesystem::path& path) noexcept;

// --- memory

// Advice that a block of large-page size is backed by large pages where the system
// has them; nothing happens where it has none.
void AdviseLargePages(void* block, size_t bytes) noexcept;
// Takes that advice back for the block's pages not yet touched.
void AdviseSmallPages(void* block, size_t bytes) noexcept;

}  // namespace vx4820cal::platform
