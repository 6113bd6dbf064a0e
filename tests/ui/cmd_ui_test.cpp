// The tool's ui commands, run as a person or a script runs them.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace vx4820cal {
namespace {

using test_support::TempDir;

// Runs the tool on the folder; the arguments are words without quoting.
test_support::ToolRun RunTool(const TempDir& folder, const std::string& args) {
  std::vector<std::string> words;
  for (size_t start = 0, space; start < args.size(); start = space + 1) {
    space = args.find(' ', start);
    if (space == std::string::npos) space = args.size();
    if (space > start) words.push_back(args.substr(start, space - start));
  }
  words.insert(words.end(), {"--dir", folder.Path().string()});
  return test_support::RunTool(words);
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
  test_support::ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string(kDumpHeader) +
                         "PA_TEMP_LIMIT\tPA temperature limit\t48320\t°C\t960\t0\t30\tfalse\t60\tFactoryOnly\t"
                         "Transmitter – Protection\t\tfalse\n"
                         "Band_r5k\tFrequency band\t48010\tunits\t1200\t0\t10\ttrue\t40\t\t\t\tfalse\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(UiCommand, DumpOfAFileThatCannotBeOpenedPrintsTheHeaderOnly) {
  // The component is silent; the tool names the file and fails.
  test_support::ToolRun run = RunTool(folder, "ui dump");
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
  test_support::ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, std::string(kDumpHeader) + "A\tFirst\t0\tunits\t0\t0\t0\tfalse\t40\t\t\t\tfalse\n" +
                         "B\tThird\t0\tunits\t0\t0\t0\tfalse\t40\t\t\t\tfalse\n");
  EXPECT_EQ(run.err,
            "[Programming Application]\nVX4820CAL: Add\n"
            "This key is already associated with an element of this collection\n\n");
}

TEST_F(UiCommand, DumpNamesTheLineWhereTheReadingStopped) {
  folder.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\tHELPID\r\nA\tFirst\t1\r\nB\tSecond\tabc\r\nC\tThird\t3\r\n");
  test_support::ToolRun run = RunTool(folder, "ui dump");
  EXPECT_EQ(run.status, 3);
  std::string diagnostic = "vx4820cal: " + (folder / "VX4820CAL_UI_U.dat").string() +
                           ":3: column HELPID: \"abc\" does not convert: the reading stops here (error 13, Type "
                           "mismatch)\n";
  ASSERT_GE(run.err.size(), diagnostic.size());
  EXPECT_EQ(run.err.substr(run.err.size() - diagnostic.size()), diagnostic) << run.err;
  EXPECT_EQ(run.err.rfind("[Programming Application]\n", 0), 0u) << run.err;
}

TEST_F(UiCommand, StrictDumpStopsAtTheFirstError) {
  folder.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\r\nA\tFirst\r\na\tSecond\r\n");
  test_support::ToolRun run = RunTool(folder, "ui dump --strict");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "error 457\nVX4820CAL: ReadInDataFromTextFile\nVX4820CAL: Add\n"
            "This key is already associated with an element of this collection\n");
}

TEST_F(UiCommand, GetShowsTheTenAnswersOrSaysTheFieldIsNotDefined) {
  folder.Write("VX4820CAL_UI_U.dat",
               "UIID\tLABEL\tUNIT\tFACTACCESSLEVEL\r\nScanGroupNumber\tScan group\tgroup\t20\r\n");
  test_support::ToolRun defined = RunTool(folder, "ui get scangroupnumber");
  EXPECT_EQ(defined.status, 0);
  EXPECT_NE(defined.out.find("Scan group"), std::string::npos) << defined.out;
  EXPECT_NE(defined.out.find("GetFactoryVisible         20\n"), std::string::npos) << defined.out;
  EXPECT_NE(defined.out.find("GetCustAccessLevelByUIID  40\n"), std::string::npos) << defined.out;
  EXPECT_EQ(defined.err, "");

  test_support::ToolRun undefined = RunTool(folder, "ui get Band_r5k");
  EXPECT_EQ(undefined.status, 1);
  EXPECT_NE(undefined.out.find("\"Band_r5k\" is not defined"), std::string::npos) << undefined.out;
}

TEST_F(UiCommand, GetNeedsExactlyOneUIID) {
  EXPECT_EQ(RunTool(folder, "ui get").status, 2);
  EXPECT_EQ(RunTool(folder, "ui get A B").status, 2);
}

// "LINE: severity" of every finding of a lint report on the file.
std::vector<std::string> Findings(const std::string& report, const std::string& file) {
  std::vector<std::string> findings;
  for (size_t start = 0, end; start < report.size(); start = end + 1) {
    end = report.find('\n', start);
    std::string line = report.substr(start, end - start);
    if (line.rfind(file + ":", 0) != 0) continue;
    std::string rest = line.substr(file.size() + 1);
    findings.push_back(rest.substr(0, rest.find(':', rest.find(": ") + 2)));
  }
  return findings;
}

TEST_F(UiCommand, LintNamesEachProblemWithItsLine) {
  const std::string header = "UIID\tLABEL\tHELPID\r\n";
  struct Case {
    const char* what;
    std::string file;
    int status;
    std::vector<std::string> findings;
    std::string says;
  } cases[] = {
      {"a clean file", header + "A\tx\t1\r\nB\ty\t2\r\n", 0, {}, "no findings"},
      {"a UIID twice in two cases",
       header + "Band\tx\t1\r\nC\tz\t3\r\nBAND\ty\t2\r\n",
       1,
       {"4: error"},
       "UIID \"BAND\" is already on line 2"},
      {"a number that does not convert",
       header + "A\tx\tabc\r\n",
       1,
       {"2: error"},
       "column HELPID: \"abc\" does not convert"},
      {"too few cells", header + "A\tx\r\n", 0, {"2: warning"}, "2 cells where the header has 3"},
      {"a filled cell beyond the header", header + "A\tx\t1\textra\r\n", 1, {"2: error"}, "beyond the header"},
      {"an empty UIID", header + "\tx\t1\r\n", 1, {"2: error"}, "no UIID"},
      {"an unknown and a missing key word",
       "UIID\tLABLE\t\tHELPID\r\nA\tx\t\t1\r\n",
       0,
       {"1: warning", "1: warning"},
       "did you mean \"LABEL\""},
      {"no UIID column", "LABEL\tHELPID\r\nx\t1\r\n", 1, {"1: error", "2: error"}, "no column UIID"},
      {"UTF-8 text",
       header + "A\t136\xE2\x80\x93"
                "174 MHz\t1\r\n",
       0,
       {"2: warning"},
       "\"\xE2\x80\x93\" reads as \"\xC3\xA2\xE2\x82\xAC\xE2\x80\x9C\""},
      {"a byte order mark",
       "\xEF\xBB\xBF" + header + "A\tx\t1\r\n",
       1,
       {"1: error", "1: warning", "1: error", "2: error"},
       "byte order mark"},
      {"an empty file", "", 1, {"1: error"}, "the file is empty"},
  };
  const std::string file = (folder / "VX4820CAL_UI_U.dat").string();
  for (const Case& c : cases) {
    folder.Write("VX4820CAL_UI_U.dat", c.file);
    test_support::ToolRun run = RunTool(folder, "ui lint");
    EXPECT_EQ(run.status, c.status) << c.what << '\n' << run.out;
    std::vector<std::string> findings = Findings(run.out, file);
    if (c.findings.empty()) {
      EXPECT_EQ(findings, std::vector<std::string>{" no findings"}) << c.what;
    } else {
      EXPECT_EQ(findings, c.findings) << c.what << '\n' << run.out;
    }
    EXPECT_NE(run.out.find(c.says), std::string::npos) << c.what << '\n' << run.out;
  }
}

TEST_F(UiCommand, JsonFormsHoldWhatTheTextFormsShow) {
  folder.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\tHELPID\r\nA\tx\t1\r\na\ty\t2\r\n");
  test_support::ToolRun lint = RunTool(folder, "ui lint --format json");
  EXPECT_EQ(lint.status, 1);
  EXPECT_NE(lint.out.find("\"line\": 3,\n      \"severity\": \"error\""), std::string::npos) << lint.out;
  test_support::ToolRun dump = RunTool(folder, "ui dump --format=json");
  EXPECT_NE(dump.out.find("\"UIID\": \"A\",\n    \"Label\": \"x\",\n    \"HelpID\": 1,"), std::string::npos)
      << dump.out;
}

}  // namespace
}  // namespace vx4820cal
