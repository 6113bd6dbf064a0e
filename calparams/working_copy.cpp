#include "calparams/working_copy.h"

#include "calparams/atomic_file.h"
#include "tier/codepage.h"
#include "tier/common_globals.h"
#include "tier/text.h"
#include "tier/text_file.h"

namespace vx4820cal::calparams {

std::string_view WorkingCopyLine(std::string_view source_line) {
  size_t semicolon = source_line.find(';');
  return semicolon == std::string_view::npos ? source_line : TrimView(source_line.substr(0, semicolon));
}

std::string WorkingCopyBytes(std::string_view source_bytes) {
  std::string bytes;
  // Scrambling doubles every character; the line ends add a little more.
  bytes.reserve(source_bytes.size() * 2 + 64);
  bytes.append(kScrambledMarker).append("\r\n");
  LineReader lines(source_bytes);
  while (!lines.AtEnd()) {
    bytes.append(Utf8ToCp1252(EncryptString(Cp1252ToUtf8(WorkingCopyLine(lines.Next()))))).append("\r\n");
  }
  return bytes;
}

void RegenerateWorkingCopy(const std::filesystem::path& source, const std::filesystem::path& working_copy) {
  ReplaceFileAtomically(working_copy, WorkingCopyBytes(ReadFileBytes(source)));
}

}  // namespace vx4820cal::calparams
