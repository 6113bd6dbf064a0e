#pragma once
// What the tests of interrupted regenerations share: an old working copy and a newer
// source, so that the next load regenerates, and what a folder must hold afterwards.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "calparams/fixtures/parameters_fixture.h"
#include "calparams/working_copy.h"
#include "common/common_globals.h"

namespace vx4820cal::testing {

inline const std::string kFileNotFound = "VX4820CAL: LoadFile\r\nFile not found";
inline const std::string kOldCopy = "PCA Set\r\n" + EncryptString("[T]") + "\r\n" + EncryptString("Bands=B") + "\r\n" +
                                    EncryptString("Models=M") + "\r\n" + EncryptString("HWversStart=0") + "\r\n" +
                                    EncryptString("HWversStop=9") + "\r\n" + EncryptString("RadioOptions=DEFAULT") +
                                    "\r\n" + EncryptString("N=old") + "\r\n";

inline std::set<std::string> FilesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// The description of the error a load raises, or "" when it loads.
inline std::string LoadError() {
  try {
    clsCalibrationParameters store;
    store.LoadFile("PARAMETERS");
  } catch (const Error& error) {
    return error.Description();
  }
  return "";
}

// A folder holding the old working copy and a newer source, so that the next load
// regenerates.
inline void PrepareRegeneration(const ParametersFolder& folder, std::string_view source) {
  folder.WriteSource(source);
  folder.WriteWorkingCopy(kOldCopy);
  auto now = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time(folder.WorkingCopy(), now - std::chrono::seconds(100));
  std::filesystem::last_write_time(folder.Source(), now - std::chrono::seconds(10));
}

inline const std::set<std::string> kTheTwoFiles = {"PARAMETERS.dat", "PARAMETERS.ini"};

// After an interrupted regeneration, the next load regenerates the copy in full and
// leaves nothing but the two files.
inline void ExpectTheNextLoadRegenerates(const ParametersFolder& folder, const std::string& what) {
  EXPECT_EQ(LoadError(), "") << what;
  EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), calparams::WorkingCopyBytes(folder.Dir().Read("PARAMETERS.ini")))
      << what;
  EXPECT_EQ(FilesIn(folder.Dir().Path()), kTheTwoFiles) << what;
}

// A source whose working copy takes many blocks to write.
inline std::string LargeSource() {
  std::string source = "[Large]\nBands = DEFAULT\nModels = DEFAULT\nHWversStart = 0\nHWversStop = 9999\n";
  source += "RadioOptions = DEFAULT\n";
  for (int i = 0; i < 200000; ++i) source += "Parameter" + std::to_string(i) + " = " + std::to_string(i) + "\n";
  return source;
}

}  // namespace vx4820cal::testing
