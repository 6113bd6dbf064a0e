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
// True only when the system says no process with that id runs.
bool ProcessHasEnded(uint32_t process);

// --- files

// Opens for reading in binary mode, whatever characters the path holds; nullptr with
// errno set when it cannot.
std::FILE* OpenForReading(const std::filesystem::path& path);
// The size of an open file; nullopt when the system cannot tell.
std::optional<uint64_t> OpenFileSize(std::FILE* file);

// A file being written by the component, as the system's handle.
using FileHandle = intptr_t;
inline constexpr FileHandle kNoFile = -1;

// Creates a file that did not exist, for writing; kNoFile when it exists already.
FileHandle CreateNewFile(const std::filesystem::path& path);
// Writes some of bytes and answers how many; never 0 for a non-empty write.
size_t WriteSome(FileHandle file, std::string_view bytes);
// Puts what was written on the disk.
void FlushToDisk(FileHandle file);
void CloseFile(FileHandle file);
// Moves from into the place of to in one step (to need not exist) and makes the
// change durable: no reader ever sees a mixture of the two.
void PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to);
// Removes a file when it can; failures are ignored.
void RemoveFileQuietly(const std::filesystem::path& path) noexcept;

// --- memory

// Advice that a block of large-page size is backed by large pages where the system
// has them; nothing happens where it has none.
void AdviseLargePages(void* block, size_t bytes) noexcept;

}  // namespace vx4820cal::platform
