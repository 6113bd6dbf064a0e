// The tool's ui commands, run as a person or a script runs them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/test_support.h"

namespace vx4820cal {
namespace {

using testing::ReadFile;
using testing::TempDir;

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the tool with --dir set to the folder; the folder and arguments carry no
// characters the shell would change.
ToolRun RunTool(const TempDir& folder, const std::string& args) {
  const std::string command = std::string(VX4820CAL_TOOL_FILE) + " " + args + " --dir " + folder.Path().string() +
                              " >" + (folder / "tool.out").string() + " 2>" + (folder / "tool.err").string();
  int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(folder / "tool.out"), ReadFile(folder / "tool.err")};
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
  ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string(kDumpHeader) +
                         "PA_TEMP_LIMIT\tPA temperature limit\t48320\t°C\t960\t0\t30\tfalse\t60\tFactoryOnly\t"
                         "Transmitter – Protection\t\tfalse\n"
                         "Band_r5k\tFrequency band\t48010\tunits\t1200\t0\t10\ttrue\t40\t\t\t\tfalse\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(UiCommand, DumpOfAFileThatCannotBeOpenedPrintsTheHeaderOnly) {
  ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kDumpHeader);
  EXPECT_EQ(run.err, "");
}

TEST_F(UiCommand, DumpReportsADuplicateAndPrintsTheRest) {
  folder.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\r\nA\tFirst\r\na\tSecond\r\nB\tThird\r\n");
  ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, std::string(kDumpHeader) + "A\tFirst\t0\tunits\t0\t0\t0\tfalse\t40\t\t\t\tfalse\n" +
                         "B\tThird\t0\tunits\t0\t0\t0\tfalse\t40\t\t\t\tfalse\n");
  EXPECT_EQ(run.err,
            "[Programming Application]\nVX4820CAL: Add\n"
            "This key is already associated with an element of this collection\n\n");
}

TEST_F(UiCommand, StrictDumpStopsAtTheFirstError) {
  folder.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\r\nA\tFirst\r\na\tSecond\r\n");
  ToolRun run = RunTool(folder, "ui dump --strict");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "error 457\nVX4820CAL: ReadInDataFromTextFile\nVX4820CAL: Add\n"
            "This key is already associated with an element of this collection\n");
}

TEST_F(UiCommand, GetShowsTheTenAnswersOrSaysTheFieldIsNotDefined) {
  folder.Write("VX4820CAL_UI_U.dat",
               "UIID\tLABEL\tUNIT\tFACTACCESSLEVEL\r\nScanGroupNumber\tScan group\tgroup\t20\r\n");
  ToolRun defined = RunTool(folder, "ui get scangroupnumber");
  EXPECT_EQ(defined.status, 0);
  EXPECT_NE(defined.out.find("Scan group"), std::string::npos) << defined.out;
  EXPECT_NE(defined.out.find("GetFactoryVisible         20\n"), std::string::npos) << defined.out;
  EXPECT_NE(defined.out.find("GetCustAccessLevelByUIID  40\n"), std::string::npos) << defined.out;
  EXPECT_EQ(defined.err, "");

  ToolRun undefined = RunTool(folder, "ui get Band_r5k");
  EXPECT_EQ(undefined.status, 0);
  EXPECT_NE(undefined.out.find("\"Band_r5k\" is not defined"), std::string::npos) << undefined.out;
}

TEST_F(UiCommand, GetNeedsExactlyOneUIID) {
  EXPECT_EQ(RunTool(folder, "ui get").status, 2);
  EXPECT_EQ(RunTool(folder, "ui get A B").status, 2);
}

}  // namespace
}  // namespace vx4820cal
