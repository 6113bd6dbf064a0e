// The tool's ui commands, run as a person or a script runs them.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace vx4820cal {
namespace {

using testing::TempDir;

// Runs the tool on the folder; the arguments are words without quoting.
testing::ToolRun RunTool(const TempDir& folder, const std::string& args) {
  std::vector<std::string> words;
  for (size_t start = 0, space; start < args.size(); start = space + 1) {
    space = args.find(' ', start);
    if (space == std::string::npos) space = args.size();
    if (space > start) words.push_back(args.substr(start, space - start));
  }
  words.insert(words.end(), {"--dir", folder.Path().string()});
  return testing::RunTool(words);
}

constexpr const char* kDumpHeader =
    "UIID\tLabel\tHelpID\tUnits\tUIWidth\tUIWidthDefault\tFactAccessLevel\tFactButCustVis\tCustAccessLevel\t"
    "SpclRestrictions\tNavLabel\tATGridID\tDecimalSymbol\n";

class UiCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(VX4820CAL_TOOL_FILE).empty()) GTEST_SKIP() << "the tool is not built";
  }
  TempDir folder;
};

TEST_F(UiCommand, DumpPrintsEveryRecordInFileOrder) {
  folder.Write("VX4820CAL_UI_U.dat",
               "UIID\tLABEL\tHELPID\tUNIT\tUIWIDTHDEFAULT\tFACTACCESSLEVEL\tFACTBUTCUSTVIS\tCUSTACCESSLEVEL\t"
               "SPCLRESTRICTIONS\tATGRIDID\tDECIMALSYMBOL\tNAVLABEL\r\n"
               "PA_TEMP_LIMIT\tPA temperature limit\t48320\t\xB0"
               "C\t960\t30\t0\t60\tFactoryOnly\t\t0\tTransmitter \x96 Protection\r\n"
               "\r\n"
               "\tNo UIID\r\n"
               "Band_r5k\tFrequency band\t48010\t\t1200\t10\t-1\r\n");
  testing::ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string(kDumpHeader) +
                         "PA_TEMP_LIMIT\tPA temperature limit\t48320\t°C\t960\t0\t30\tfalse\t60\tFactoryOnly\t"
                         "Transmitter – Protection\t\tfalse\n"
                         "Band_r5k\tFrequency band\t48010\tunits\t1200\t0\t10\ttrue\t40\t\t\t\tfalse\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(UiCommand, DumpOfAFileThatCannotBeOpenedPrintsTheHeaderOnly) {
  // The component is silent; the tool names the file and fails.
  testing::ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, kDumpHeader);
  EXPECT_EQ(run.err, "vx4820cal: " + (folder / "VX4820CAL_UI_U.dat").string() + ": does not exist\n");
  std::filesystem::create_directory(folder / "VX4820CAL_UI_U.dat");
  run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "vx4820cal: " + (folder / "VX4820CAL_UI_U.dat").string() + ": is not a regular file\n");
}

TEST_F(UiCommand, DumpReportsADuplicateAndPrintsTheRest) {
  folder.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\r\nA\tFirst\r\na\tSecond\r\nB\tThird\r\n");
  testing::ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, std::string(kDumpHeader) + "A\tFirst\t0\tunits\t0\t0\t0\tfalse\t40\t\t\t\tfalse\n" +
                         "B\tThird\t0\tunits\t0\t0\t0\tfalse\t40\t\t\t\tfalse\n");
  EXPECT_EQ(run.err,
            "[Programming Application]\nVX4820CAL: Add\n"
            "This key is already associated with an element of this collection\n\n");
}

TEST_F(UiCommand, StrictDumpStopsAtTheFirstError) {
  folder.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\r\nA\tFirst\r\na\tSecond\r\n");
  testing::ToolRun run = RunTool(folder, "ui dump --strict");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "error 457\nVX4820CAL: ReadInDataFromTextFile\nVX4820CAL: Add\n"
            "This key is already associated with an element of this collection\n");
}

TEST_F(UiCommand, GetShowsTheTenAnswersOrSaysTheFieldIsNotDefined) {
  folder.Write("VX4820CAL_UI_U.dat",
               "UIID\tLABEL\tUNIT\tFACTACCESSLEVEL\r\nScanGroupNumber\tScan group\tgroup\t20\r\n");
  testing::ToolRun defined = RunTool(folder, "ui get scangroupnumber");
  EXPECT_EQ(defined.status, 0);
  EXPECT_NE(defined.out.find("Scan group"), std::string::npos) << defined.out;
  EXPECT_NE(defined.out.find("GetFactoryVisible         20\n"), std::string::npos) << defined.out;
  EXPECT_NE(defined.out.find("GetCustAccessLevelByUIID  40\n"), std::string::npos) << defined.out;
  EXPECT_EQ(defined.err, "");

  testing::ToolRun undefined = RunTool(folder, "ui get Band_r5k");
  EXPECT_EQ(undefined.status, 1);
  EXPECT_NE(undefined.out.find("\"Band_r5k\" is not defined"), std::string::npos) << undefined.out;
}

TEST_F(UiCommand, GetNeedsExactlyOneUIID) {
  EXPECT_EQ(RunTool(folder, "ui get").status, 2);
  EXPECT_EQ(RunTool(folder, "ui get A B").status, 2);
}

}  // namespace
}  // namespace vx4820cal
