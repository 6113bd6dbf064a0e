#pragma once
// Replacing a file so that it is either wholly old or wholly new: the new bytes go
// to a temporary file in the same folder, are synced to disk and then renamed over
// the old file. A failure on the way removes the temporary file and leaves the old
// file as it was.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/platform.h"

namespace vx4820cal::calparams {

// The new file while it is written. Raises the file system's error; one that is
// destroyed before Commit takes its temporary file with it.
class AtomicFile {
 public:
  explicit AtomicFile(const std::filesystem::path& target);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  void Write(std::string_view bytes);
  // Syncs the new file and puts it in the target's place.
  void Commit();

 private:
  void Probe() const;

  std::filesystem::path target_;
  std::filesystem::path path_;
  platform::FileHandle file_ = platform::kNoFile;
  size_t written_ = 0;
  bool committed_ = false;
};

// Raises the file system's error when the file cannot be replaced.
void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Test seam (this thread only): called with the temporary file's path and the
// number of bytes written so far after every block written and once more before the
// rename. Throwing from it stands for a full disk or a write cut short. None: off.
// block_size, when not 0, is the most bytes one block hands to the file system, so
// that a test can stop the writing after any byte.
void SetAtomicWriteProbe(std::function<void(const std::filesystem::path& temporary, size_t written)> probe,
                         size_t block_size = 0);

}  // namespace vx4820cal::calparams
