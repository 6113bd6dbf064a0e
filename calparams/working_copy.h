#pragma once
// The scrambled working copy made from the plain source: the marker line, then each
// source line with its comment cut off, scrambled, every line ended by CR LF.
#include <filesystem>
#include <string>
#include <string_view>

namespace vx4820cal::calparams {

// A source line as the working copy keeps it: with a ";", the text before it trimmed
// of spaces; without, the line unchanged.
std::string_view WorkingCopyLine(std::string_view source_line);

// The working copy's bytes for the source's bytes (both Windows-1252).
std::string WorkingCopyBytes(std::string_view source_bytes);

// Writes the working copy of the source at `source` to `working_copy`, replacing any
// old one only once the new one is complete; raises the file system's error. The copy
// is made from one whole state of the source (one saved meanwhile is read again) and
// carries that state's last write time; its permission bits are those of the copy it
// replaces, or else the source's, and never wider than the source's.
void RegenerateWorkingCopy(const std::filesystem::path& source, const std::filesystem::path& working_copy);

}  // namespace vx4820cal::calparams
