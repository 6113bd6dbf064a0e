// A regeneration of the working copy that is cut short, at whatever point, leaves
// the old working copy byte for byte and no temporary file, and the next load
// regenerates the copy in full: here a failure after any line; the tests of each
// system add a write refused and a process ended while it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "calparams/working_copy.h"
#include "common/atomic_file.h"
#include "reliability/working_copy_helpers.h"

namespace vx4820cal {
namespace {

namespace fs = std::filesystem;
using namespace test_support;

const std::string kOldCopy = test_support::OldCopy();

// The byte counts at which the new working copy holds whole lines only.
std::vector<size_t> LineEnds(const std::string& bytes) {
  std::vector<size_t> ends;
  for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) {
    ends.push_back(at + 2);
  }
  return ends;
}

TEST(InterruptedWrites, FailingAfterAnyLineKeepsTheOldCopy) {
  ParametersFolder folder;
  const std::string new_copy = calparams::WorkingCopyBytes(test_support::Crlf(test_support::kWorkedExample));
  std::vector<size_t> ends = LineEnds(new_copy);
  ASSERT_EQ(ends.size(), 16u);  // the marker and fifteen lines
  for (size_t end : ends) {
    std::string what = "cut after " + std::to_string(end) + " bytes";
    PrepareRegeneration(folder, test_support::kWorkedExample);
    size_t temporary_size = 0;
    calparams::SetAtomicWriteProbe(
        [&](const fs::path& temporary, size_t written) {
          if (written < end) return;
          temporary_size = fs::file_size(temporary);
          throw std::runtime_error("write cut short");
        },
        1);
    EXPECT_EQ(LoadError(), kFileNotFound) << what;
    calparams::SetAtomicWriteProbe(nullptr);
    EXPECT_EQ(temporary_size, end) << what << ": the temporary file held the lines written so far";
    EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), kOldCopy) << what;
    EXPECT_EQ(FilesIn(folder.Dir().Path()), kTheTwoFiles) << what;
    ExpectTheNextLoadRegenerates(folder, what);
    EXPECT_EQ(Entries(folder.Load()->GetTable("H5", "LR2930 Cal", 0, "BandLimits", "Default")),
              (Lines{"BandType=1", "TCXO=14.4"}))
        << what;
  }
}

}  // namespace
}  // namespace vx4820cal
