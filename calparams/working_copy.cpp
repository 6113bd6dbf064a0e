#include "calparams/working_copy.h"

#include "common/atomic_file.h"
#include "common/common_globals.h"
#include "common/scrambled_text.h"
#include "common/text.h"
#include "common/text_file.h"

namespace vx4820cal::calparams {
namespace {

constexpr size_t kBlockSize = size_t{1} << 20;

// Hands the working copy of the source's lines to sink in blocks of about a
// megabyte. Lines are scrambled straight from the source's bytes: the same text as
// EncryptString of the decoded line, and scrambled text is plain ASCII.
template <class Lines, class Sink>
void ScrambleSource(Lines& lines, Sink sink) {
  std::string block;
  block.reserve(kBlockSize + 4096);
  block.append(kScrambledMarker).append("\r\n");
  while (!lines.AtEnd()) {
    AppendEncryptedBytes(WorkingCopyLine(lines.Next()), block);
    block.append("\r\n");
    if (block.size() >= kBlockSize) {
      sink(block);
      block.clear();
    }
  }
  sink(block);
}

}  // namespace

std::string_view WorkingCopyLine(std::string_view source_line) {
  size_t semicolon = source_line.find(';');
  return semicolon == std::string_view::npos ? source_line : TrimView(source_line.substr(0, semicolon));
}

std::string WorkingCopyBytes(std::string_view source_bytes) {
  std::string bytes;
  // Scrambling doubles every character; the line ends add a little more.
  bytes.reserve(source_bytes.size() * 2 + 64);
  LineReader lines(source_bytes);
  ScrambleSource(lines, [&](const std::string& block) { bytes.append(block); });
  return bytes;
}

void RegenerateWorkingCopy(const std::filesystem::path& source, const std::filesystem::path& working_copy) {
  FileLineReader lines(source);
  AtomicFile file(working_copy);
  ScrambleSource(lines, [&](const std::string& block) { file.Write(block); });
  file.Commit();
}

}  // namespace vx4820cal::calparams
