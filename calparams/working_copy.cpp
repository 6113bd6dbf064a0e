#include "calparams/working_copy.h"

#include <optional>

#include "common/atomic_file.h"
#include "common/scrambling.h"
#include "common/text.h"
#include "common/text_file.h"
#include "platform/platform.h"
#include "vx4820cal/error.h"

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

// A source saved while it was read is read again from the start, a few times; one
// that never holds still for a whole read fails the regeneration.
constexpr int kReadAttempts = 5;

// Last write times closer than this to the end of a read may have been shared by a
// later save: file systems stamp writes in ticks of up to two seconds.
constexpr int64_t kTimeStampTick = int64_t{2} * 1000000000;

// The file read from start to end is the one the path names now, neither replaced
// nor written to on the way.
bool ReadWhole(const FileLineReader& lines, const std::filesystem::path& source) {
  std::optional<FileVersion> named = platform::FileVersionAt(source);
  const FileVersion& opened = lines.OpenedVersion();
  return named && *named == opened && lines.CurrentVersion() == opened && lines.BytesRead() == opened.size;
}

// The copy is dated as the source it was made from, so that any later save of the
// source is newer than the copy. A save in the same tick as the one read would carry
// the same time: a copy of so recent a source is dated just before it, and the next
// load makes it again.
int64_t CopyTime(int64_t source_modified_ns) {
  return platform::NowNs() - source_modified_ns < kTimeStampTick ? source_modified_ns - platform::FileTimeStepNs()
                                                                 : source_modified_ns;
}

// Never wider than the source: a working copy shows what the source holds.
uint32_t CopyPermissions(const std::filesystem::path& working_copy, uint32_t source) {
  std::optional<FileVersion> replaced = platform::FileVersionAt(working_copy);
  return (replaced ? replaced->permissions : source) & source;
}

// One read of the source into a new copy; false, the copy discarded, when the source
// changed while it was read.
bool TryRegenerate(const std::filesystem::path& source, const std::filesystem::path& working_copy) {
  FileLineReader lines(source);
  AtomicFile file(working_copy);
  ScrambleSource(lines, [&](const std::string& block) { file.Write(block); });
  if (!ReadWhole(lines, source)) return false;
  const FileVersion& read = lines.OpenedVersion();
  file.SetPermissions(CopyPermissions(working_copy, read.permissions));
  file.SetModifiedTime(CopyTime(read.modified_ns));
  file.Commit();
  return true;
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
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    if (TryRegenerate(source, working_copy)) return;
  }
  throw Error(err::kPathFileAccess, kComponentName, "The plain source kept changing while it was read");
}

}  // namespace vx4820cal::calparams
