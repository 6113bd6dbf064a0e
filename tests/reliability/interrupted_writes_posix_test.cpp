// Interrupted regenerations as POSIX systems cut them: a write refused as on a full
// disk, and a process killed outright in the middle of a large copy.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>
#include <string>

#include "calparams/working_copy.h"
#include "common/atomic_file.h"
#include "reliability/working_copy_helpers.h"

namespace vx4820cal {
namespace {

namespace fs = std::filesystem;
using namespace test_support;

const std::string kOldCopy = test_support::OldCopy();

// A file-size limit makes the kernel refuse the write that would pass it, as a full
// disk does: a short write, then an error.
TEST(InterruptedWrites, AWriteThatFailsAsOnAFullDiskKeepsTheOldCopy) {
  ParametersFolder folder;
  const size_t new_size = calparams::WorkingCopyBytes(test_support::Crlf(test_support::kWorkedExample)).size();
  for (size_t limit : {size_t{0}, size_t{1}, new_size / 2, new_size - 1}) {
    std::string what = "disk full after " + std::to_string(limit) + " bytes";
    PrepareRegeneration(folder, test_support::kWorkedExample);
    int outcome = InChildProcess([&] {
      ::signal(SIGXFSZ, SIG_IGN);
      rlimit file_size{limit, limit};
      if (::setrlimit(RLIMIT_FSIZE, &file_size) != 0) return 2;
      return LoadError() == kFileNotFound ? 0 : 1;
    });
    EXPECT_EQ(outcome, 0) << what << ": the load failed as a regeneration that cannot write";
    EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), kOldCopy) << what;
    EXPECT_EQ(FilesIn(folder.Dir().Path()), kTheTwoFiles) << what;
    ExpectTheNextLoadRegenerates(folder, what);
  }
}

TEST(InterruptedWrites, AProcessKilledWhileWritingALargeCopyLosesNothing) {
  ParametersFolder folder;
  const std::string source = LargeSource();
  PrepareRegeneration(folder, source);
  int pipe_ends[2];
  ASSERT_EQ(::pipe(pipe_ends), 0);
  size_t written_when_killed = 0;
  int outcome = InChildProcess(
      [&] {
        // Tell the parent once the first block is on disk, then keep still until killed.
        calparams::SetAtomicWriteProbe([&](const fs::path&, size_t written) {
          if (::write(pipe_ends[1], &written, sizeof written) != sizeof written) ::_exit(3);
          ::pause();
        });
        LoadError();
        return 4;  // never reached: the probe holds the child until it is killed
      },
      [&](pid_t child) {
        if (::read(pipe_ends[0], &written_when_killed, sizeof written_when_killed) != sizeof written_when_killed) {
          ADD_FAILURE() << "the child never reached the write";
        }
        ::kill(child, SIGKILL);
      });
  ::close(pipe_ends[0]);
  ::close(pipe_ends[1]);
  ASSERT_EQ(outcome, 128 + SIGKILL);
  const size_t new_size = calparams::WorkingCopyBytes(test_support::Crlf(source)).size();
  EXPECT_GT(written_when_killed, 0u);
  EXPECT_LT(written_when_killed, new_size) << "killed in the middle of the writing";
  EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), kOldCopy);
  // Nobody could remove the killed process's temporary file: the next load does.
  std::set<std::string> files = FilesIn(folder.Dir().Path());
  EXPECT_EQ(files.size(), 3u);
  EXPECT_EQ(files.begin()->rfind(".tmp-", 0), 0u) << *files.begin();
  ExpectTheNextLoadRegenerates(folder, "killed");
  EXPECT_EQ(Entries(folder.Load()->GetTable("B", "M", 0, "Large", "Option")).size(), 200000u);
}

}  // namespace
}  // namespace vx4820cal
