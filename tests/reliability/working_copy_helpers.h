#pragma once
// Shared by the tests of the working copy in trouble: what a folder holds, what a load
// raises, a folder set for a regeneration, a large source, and work done in a child
// process.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "calparams/fixtures/parameters_fixture.h"
#include "calparams/working_copy.h"
#include "common/scrambling.h"

namespace vx4820cal::test_support {

inline const std::string kFileNotFound = "VX4820CAL: LoadFile\r\nFile not found";

inline std::set<std::string> FilesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// The description of the error a load raises, or "" when it loads.
inline std::string LoadError(const std::string& base = "PARAMETERS") {
  try {
    clsCalibrationParameters store;
    store.LoadFile(base);
  } catch (const Error& error) {
    return error.Description();
  }
  return "";
}

// A working copy of a section holding N=old.
inline std::string OldCopy() {
  std::string copy = "PCA Set\r\n";
  for (const char* line :
       {"[T]", "Bands=B", "Models=M", "HWversStart=0", "HWversStop=9", "RadioOptions=DEFAULT", "N=old"}) {
    copy += EncryptString(line) + "\r\n";
  }
  return copy;
}

inline void SetAge(const std::filesystem::path& file, int seconds_ago) {
  std::filesystem::last_write_time(file,
                                   std::filesystem::file_time_type::clock::now() - std::chrono::seconds(seconds_ago));
}

// A folder holding the old working copy and a newer source, so that the next load
// regenerates.
inline void PrepareRegeneration(const ParametersFolder& folder, std::string_view source) {
  folder.WriteSource(source);
  folder.WriteWorkingCopy(OldCopy());
  SetAge(folder.WorkingCopy(), 100);
  SetAge(folder.Source(), 10);
}

// A source whose working copy takes many blocks to write; its values begin with
// value_prefix.
inline std::string LargeSource(const std::string& value_prefix = "") {
  std::string source = "[Large]\nBands = DEFAULT\nModels = DEFAULT\nHWversStart = 0\nHWversStop = 9999\n";
  source += "RadioOptions = DEFAULT\n";
  for (int i = 0; i < 200000; ++i) {
    source += "Parameter" + std::to_string(i) + " = " + value_prefix + std::to_string(i) + "\n";
  }
  return source;
}

inline const std::set<std::string> kTheTwoFiles = {"PARAMETERS.dat", "PARAMETERS.ini"};

// The folder's working copy is the copy of source. Compared without a printed diff:
// the diff of two large copies would take more memory than the machine has.
inline void ExpectTheCopyOf(const ParametersFolder& folder, const std::string& source, const std::string& what) {
  const std::string copy = folder.Dir().Read("PARAMETERS.dat"), expected = calparams::WorkingCopyBytes(source);
  EXPECT_TRUE(copy == expected) << what << ": a working copy of " << copy.size() << " bytes, not the "
                                << expected.size() << " of the source's copy";
}

// The next load leaves the copy of the source as it is now and nothing but the two
// files.
inline void ExpectTheNextLoadRegenerates(const ParametersFolder& folder, const std::string& what) {
  EXPECT_EQ(LoadError(), "") << what;
  ExpectTheCopyOf(folder, folder.Dir().Read("PARAMETERS.ini"), what);
  EXPECT_EQ(FilesIn(folder.Dir().Path()), kTheTwoFiles) << what;
}

#ifndef _WIN32
// Runs body in a child process and answers how it ended: its exit code, or 128 plus
// the signal that ended it.
inline int InChildProcess(const std::function<int()>& body, const std::function<void(pid_t)>& meanwhile = nullptr) {
  pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  if (meanwhile) meanwhile(child);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
#endif

}  // namespace vx4820cal::test_support
