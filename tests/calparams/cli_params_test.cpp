// The params commands of the tool, run as a person or a script runs them.
#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <set>

#include "calparams/working_copy.h"
#include "common/scrambling.h"
#include "common/text.h"
#include "fixtures/parameters_fixture.h"

namespace vx4820cal {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;

using test_support::ToolRun;

class ParamsCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(outer_ / "component");
    WriteSource(test_support::ReadFile(test_support::SampleDataFolder() / "PARAMETERS.ini"));
  }
  fs::path Folder() const { return outer_ / "component"; }
  void WriteSource(const std::string& bytes) const { test_support::WriteFile(Folder() / "PARAMETERS.ini", bytes); }
  ToolRun Run(std::vector<std::string> args) const {
    args.push_back("--dir");
    args.push_back(Folder().string());
    return test_support::RunTool(args);
  }
  std::set<std::string> Files(const fs::path& folder) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
  }

  TempDir outer_;
};

std::vector<std::string> TableArgs(const std::string& table, const std::string& band, const std::string& model,
                                   const std::string& hw, const std::string& option) {
  return {"params", "table", "--table", table, "--band", band, "--model", model, "--hw", hw, "--option", option};
}

TEST_F(ParamsCommands, TablePrintsTheAnswerExactly) {
  ToolRun run = Run(TableArgs("BandLimits", "K5", "LR2930 Cal", "0", "Default"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "BandType=9\nTCXO=16800000\nReferenceFreqRx=12500\nReferenceFreqTx=12500\nIFFrequency=109650000\n"
            "Prescalar=256\nN2=16\nR2=4\nFreqMax=870000000\nFreqMin=762000000\nM1_Numerator=7\nM2_Numerator=9\n"
            "M3_Numerator=11\nDef_M1_Scalar=92\nDef_M2_Scalar=96\nDef_M3_Scalar=100\nLo_SideInjection=1\n"
            "Display=762-870 MHz\nCode=K5\nDivisor=12.5/25\nBaseProcessFreqA=762.0125\nBaseProcessFreqB=816.0000\n");
  EXPECT_EQ(Files(Folder()), (std::set<std::string>{"PARAMETERS.dat", "PARAMETERS.ini"}));
  ToolRun options = Run(TableArgs("RxSquelch", "K5", "VX4820 Standard Rx", "3", "wideband"));
  EXPECT_EQ(options.out, "RssiSlope=0.85\nSquelchOpenLevel=-115\nSquelchCloseLevel=-118\nRssiOffset=-129\n");
}

TEST_F(ParamsCommands, TablePrintsNothingWhenTheLoadOrLookupFails) {
  // {F} stands for the component folder in the expected stderr.
  struct Case {
    const char* what;
    std::string source;
    std::vector<std::string> extra;
    int status;
    std::string err;
  } cases[] = {
      {"missing file",
       "",
       {"--name", "ABSENT"},
       3,
       "[Programming Application]\nVX4820CAL: LoadFile\nFile not found\n\n"
       "vx4820cal: {F}/ABSENT.ini and ABSENT.dat: neither exists\n"},
      {"missing file, strict",
       "",
       {"--name", "ABSENT", "--strict"},
       1,
       "error 53\nVX4820CAL: LoadFile\nFile not found\n"},
      {"a name leaving the folder",
       "",
       {"--name", "../PARAMETERS", "--strict"},
       1,
       "error 52\nVX4820CAL: LoadFile\nBad file name or number\n"},
      {"a tie",
       test_support::Crlf("[T]\nBands=DEFAULT\nModels=DEFAULT\nHWversStart=0\nHWversStop=9\nRadioOptions=DEFAULT\n"
                          "N=1\nN=2\n"),
       {},
       3,
       "[Programming Application]\nVX4820CAL: GetTable\n"
       "This key is already associated with an element of this collection\n\n"},
      {"a line that stops the load",
       test_support::Crlf("[T]\nBands=DEFAULT\nModels=DEFAULT\nHWversStart=x\nN=1\n"),
       {},
       3,
       "[Programming Application]\nVX4820CAL: LoadFile\nType mismatch\n\n"
       "vx4820cal: {F}/PARAMETERS.ini:4: HWversStart \"x\" is not a whole number from -32768 to 32767: the load "
       "stops (error 13, Type mismatch)\n"},
      {"a table the file does not hold",
       test_support::Crlf("[TT]\nBands=DEFAULT\nModels=DEFAULT\nHWversStart=0\nHWversStop=9\nRadioOptions=DEFAULT\n"
                          "N=1\n"),
       {},
       1,
       "vx4820cal: {F}/PARAMETERS.ini: no records of table \"T\"; did you mean \"TT\"?\n"},
      {"lines ended by a lone LF",
       "[T]\nBands=DEFAULT\nModels=DEFAULT\nHWversStart=0\nHWversStop=9\nRadioOptions=DEFAULT\nN=1\n",
       {},
       1,
       "vx4820cal: {F}/PARAMETERS.ini: no records of table \"T\" (the file ends lines with a lone LF, which ends no "
       "line for the component)\n"},
  };
  for (const Case& c : cases) {
    if (!c.source.empty()) WriteSource(c.source);
    std::vector<std::string> args = TableArgs("T", "H5", "M", "0", "O");
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    ToolRun run = Run(args);
    EXPECT_EQ(run.status, c.status) << c.what;
    EXPECT_EQ(run.out, "") << c.what;
    EXPECT_EQ(run.err, ReplaceAll(c.err, "{F}", Folder().string())) << c.what;
  }
  // Nothing was written beside the component folder.
  EXPECT_EQ(Files(outer_.Path()), std::set<std::string>{"component"});
}

TEST_F(ParamsCommands, AFailedRegenerationNamesItsCause) {
  // The working copy's place is taken by a folder, older than the source.
  fs::create_directory(Folder() / "PARAMETERS.dat");
  fs::last_write_time(Folder() / "PARAMETERS.dat",
                      fs::last_write_time(Folder() / "PARAMETERS.ini") - std::chrono::hours(1));
  ToolRun run = Run(TableArgs("BandLimits", "K5", "LR2930 Cal", "0", "Default"));
  EXPECT_EQ(run.status, 3);
  std::string box = "[Programming Application]\nVX4820CAL: LoadFile\nFile not found\n\n";
  EXPECT_EQ(run.err.substr(0, box.size()), box);
  std::string cause =
      "vx4820cal: " + (Folder() / "PARAMETERS.dat").string() + ": could not be made from PARAMETERS.ini: ";
  EXPECT_EQ(run.err.substr(box.size(), cause.size()), cause) << run.err;
}

TEST_F(ParamsCommands, HardwareVersionMustBeA16BitNumber) {
  for (const char* hw : {"x", "40000", "-32769", ""}) {
    EXPECT_EQ(Run(TableArgs("T", "H5", "M", hw, "O")).status, 2) << hw;
  }
  // In range for the host, out of range for the records: every record's check fails.
  ToolRun run = Run(TableArgs("BandLimits", "H5", "M", "-32768", "O"));
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("VX4820CAL: IsMatch\nInvalid data"), std::string::npos) << run.err;
}

TEST_F(ParamsCommands, ExplainNamesWinnersLosersAndTies) {
  ToolRun run = Run({"params", "explain", "--table", "TxPower", "--band", "K5", "--model", "VX4820 High Power Tx",
                     "--hw", "250", "--option", "Default"});
  EXPECT_EQ(run.status, 0) << run.err;
  for (const char* expected :
       {"368  PowerSetPointLow        2  5000    wins",
        "369  PowerSetPointHigh       2  110000  beaten by line 377 (weighting 4)",
        "363  PowerSetPointLow        2  5000    no match: version 250 outside 0..199",
        "385  PowerSetPointHigh       3  5000    no match: model \"VX4820 High Power Tx\" not in "
        "VX4820 Transmitter",
        "  PowerSetPointHigh = 15000  (line 377)"}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
  }
  WriteSource(
      test_support::Crlf("[T]\nBands=DEFAULT\nModels=DEFAULT\nHWversStart=0\nHWversStop=9\nRadioOptions=DEFAULT\n"
                         "N=1\nBands=H5\nn=2\nN=3\n"));
  run = Run({"params", "explain", "--table", "T", "--band", "H5", "--model", "M", "--hw", "0", "--option", "O"});
  EXPECT_NE(run.out.find("ties with line 9 (the names differ only in case)"), std::string::npos) << run.out;
  // Neither of the tied records wins.
  EXPECT_NE(run.out.find("   9  n          4  2      ties with line 10 (the names differ only in case)"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("wins"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("lines 9 and 10 both give \"N\" (error 457"), std::string::npos) << run.out;
}

TEST_F(ParamsCommands, LintFindsNothingInTheSampleAndWritesNothing) {
  fs::remove(Folder() / "PARAMETERS.dat");
  ToolRun run = Run({"params", "lint"});
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string file = (Folder() / "PARAMETERS.ini").string();
  EXPECT_EQ(run.out, file + ": the component reads PARAMETERS.dat, made from this file at the next load\n" + file +
                         ": no findings\n");
  EXPECT_EQ(Files(Folder()), std::set<std::string>{"PARAMETERS.ini"});
}

// "LINE: severity" of every finding, in output order.
std::vector<std::string> Findings(const std::string& output, const std::string& file) {
  std::vector<std::string> findings;
  for (const std::string& line : Split(output, "\n")) {
    if (line.rfind(file + ":", 0) != 0) continue;
    std::string rest = line.substr(file.size() + 1);
    if (rest.empty() || !std::isdigit(static_cast<unsigned char>(rest[0]))) continue;  // about the whole file
    findings.push_back(rest.substr(0, rest.find(':', rest.find(": ") + 2)));
  }
  return findings;
}

TEST_F(ParamsCommands, LintNamesEachProblemWithItsLine) {
  WriteSource(test_support::ReadFile(fs::path(VX4820CAL_SOURCE_DIR) / "tests/calparams/fixtures/lint_findings.ini"));
  ToolRun run = Run({"params", "lint"});
  EXPECT_EQ(run.status, 1);
  std::string file = (Folder() / "PARAMETERS.ini").string();
  EXPECT_EQ(Findings(run.out, file),
            (std::vector<std::string>{"8: warning", "10: warning", "12: warning", "14: error", "15: error", "16: error",
                                      "17: error", "18: error", "20: error", "25: warning", "28: warning", "32: error",
                                      "35: warning"}))
      << run.out;
  EXPECT_NE(run.out.find("7 errors, 6 warnings"), std::string::npos);

  // Warnings alone leave the exit status 0.
  WriteSource(
      test_support::Crlf("[BandLimits]\nBands=DEFAULT\nModels=DEFAULT\nHWversStart=0\nHWversStop=9\n"
                         "RadioOptions=DEFAULT\nTCXO=12.8\n"));
  run = Run({"params", "lint"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Findings(run.out, file), std::vector<std::string>{"7: warning"});

  // Lines ended by a lone LF run together.
  WriteSource("[T]\nBands=DEFAULT\n");
  run = Run({"params", "lint"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Findings(run.out, file), std::vector<std::string>{"1: error"});
}

TEST_F(ParamsCommands, LintFindsWhatTheComponentReadsOtherwise) {
  const std::string head =
      "[T]\r\nBands=DEFAULT\r\nModels=DEFAULT\r\nHWversStart=0\r\nHWversStop=9\r\n"
      "RadioOptions=DEFAULT\r\n";
  struct Case {
    const char* what;
    std::string source;
    int status;
    std::vector<std::string> findings;
    std::string says;
  } cases[] = {
      {"an empty file", "", 1, {"1: error"}, "the file is empty"},
      {"no records", head, 1, {"1: error"}, "holds no records"},
      {"UTF-8 text",
       head + "Display=136\xE2\x80\x93"
              "174 MHz\r\n",
       0,
       {"7: warning"},
       "\"\xE2\x80\x93\" reads as \"\xC3\xA2\xE2\x82\xAC\xE2\x80\x9C\""},
      {"a byte order mark",
       "\xEF\xBB\xBF" + head + "N=1\r\n",
       1,
       {"1: error", "1: error", "7: error"},
       "byte order mark"},
      {"a misspelled key word, once",
       "[T]\r\nBnads=H5\r\nModels=DEFAULT\r\nHWversStart=0\r\nHWversStop=9\r\nA=1\r\nB=2\r\nC=3\r\n",
       1,
       {"2: error"},
       "\"Bnads\" is read as a parameter: did you mean the key word \"Bands\"?"},
  };
  const std::string file = (Folder() / "PARAMETERS.ini").string();
  for (const Case& c : cases) {
    WriteSource(c.source);
    ToolRun run = Run({"params", "lint"});
    EXPECT_EQ(run.status, c.status) << c.what << '\n' << run.out;
    EXPECT_EQ(Findings(run.out, file), c.findings) << c.what << '\n' << run.out;
    EXPECT_NE(run.out.find(c.says), std::string::npos) << c.what << '\n' << run.out;
  }
  EXPECT_NE(Run({"params", "lint"}).out.find("so are the 3 parameter lines after it"), std::string::npos);
}

TEST_F(ParamsCommands, LintAndExplainNameANewerWorkingCopyThatHoldsAnotherText) {
  const std::string head =
      "[T]\r\nBands=DEFAULT\r\nModels=DEFAULT\r\nHWversStart=0\r\nHWversStop=9\r\n"
      "RadioOptions=DEFAULT\r\n";
  WriteSource(head + "N=1\r\n");
  // An older source restored over a newer copy made from another text.
  test_support::WriteFile(Folder() / "PARAMETERS.dat", calparams::WorkingCopyBytes(head + "N=2\r\n"));
  fs::last_write_time(Folder() / "PARAMETERS.ini",
                      fs::last_write_time(Folder() / "PARAMETERS.dat") - std::chrono::hours(1));
  ToolRun run = Run({"params", "lint"});
  const std::string file = (Folder() / "PARAMETERS.ini").string();
  EXPECT_EQ(Findings(run.out, file), std::vector<std::string>{"7: warning"}) << run.out;
  EXPECT_NE(run.out.find(file + ": the component reads PARAMETERS.dat as it stands"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("differs from it from here on (its line 8)"), std::string::npos) << run.out;
  // explain shows the lines the component read, and says why they are not this file's.
  ToolRun explain =
      Run({"params", "explain", "--table", "T", "--band", "H5", "--model", "M", "--hw", "0", "--option", "O"});
  EXPECT_EQ(explain.err, "vx4820cal: " + file +
                             ":7: PARAMETERS.dat is newer than this file but holds another text from here on: the "
                             "component reads that text, not this file's\n");
  EXPECT_NE(explain.out.find("Lines of " + (Folder() / "PARAMETERS.dat").string()), std::string::npos) << explain.out;
  EXPECT_NE(explain.out.find("N = 2  (line 7)"), std::string::npos) << explain.out;
  // The same text: no warning.
  test_support::WriteFile(Folder() / "PARAMETERS.dat", calparams::WorkingCopyBytes(head + "N=1\r\n"));
  fs::last_write_time(Folder() / "PARAMETERS.ini",
                      fs::last_write_time(Folder() / "PARAMETERS.dat") - std::chrono::hours(1));
  EXPECT_EQ(Findings(Run({"params", "lint"}).out, file), std::vector<std::string>{});
}

TEST_F(ParamsCommands, LintFindsTiesWhateverConditionSeparatesTheOtherRecords) {
  // Two sections for N, with many others in between that share no radio with them:
  // the tie must be found whichever condition the search narrows by.
  auto section = [](const std::string& bands, const std::string& models, int start, int stop,
                    const std::string& options, const std::string& value) {
    return "[T]\r\nBands=" + bands + "\r\nModels=" + models + "\r\nHWversStart=" + std::to_string(start) +
           "\r\nHWversStop=" + std::to_string(stop) + "\r\nRadioOptions=" + options + "\r\nN=" + value + "\r\n";
  };
  std::string others;
  for (int i = 0; i < 50; ++i)
    others += section("X" + std::to_string(i), "Y" + std::to_string(i), 0, 9999, "DEFAULT", "0");
  struct Case {
    const char* what;
    std::string first, second;
    bool ties;
  } cases[] = {
      {"a band named by both", section("H5,H6", "M", 0, 9, "DEFAULT", "1"), section("K5,h6", "M", 0, 9, "DEFAULT", "2"),
       true},
      {"versions across a block boundary", section("DEFAULT", "DEFAULT", 50, 150, "DEFAULT", "1"),
       section("DEFAULT", "DEFAULT", 150, 300, "DEFAULT", "2"), true},
      {"versions apart in one block", section("DEFAULT", "DEFAULT", 10, 19, "DEFAULT", "1"),
       section("DEFAULT", "DEFAULT", 20, 29, "DEFAULT", "2"), false},
      {"a radio option named by both", section("H5", "DEFAULT", 0, 9, "O", "1"),
       section("H5", "DEFAULT", 0, 9, "O,P", "2"), true},
      {"an empty radio option in both", section("H5", "M", 0, 9, ",", "1"), section("H5", "M", 0, 9, "P,", "2"), true},
      {"bands apart", section("H5", "M", 0, 9, "DEFAULT", "1"), section("H6", "M", 0, 9, "DEFAULT", "2"), false},
  };
  const std::string file = (Folder() / "PARAMETERS.ini").string();
  for (const Case& c : cases) {
    WriteSource(c.first + others + c.second);
    ToolRun run = Run({"params", "lint"});
    size_t second_line = 7 + 7 * 50 + 7;
    std::vector<std::string> expected;
    if (c.ties) expected.push_back(std::to_string(second_line) + ": error");
    EXPECT_EQ(Findings(run.out, file), expected) << c.what << '\n' << run.out;
    if (c.ties) {
      EXPECT_NE(run.out.find("ties with line 7 "), std::string::npos) << c.what << '\n' << run.out;
    }
  }
}

TEST_F(ParamsCommands, LintReadsAWorkingCopyWhenThereIsNoSource) {
  fs::remove(Folder() / "PARAMETERS.ini");
  test_support::WriteFile(Folder() / "PARAMETERS.dat",
                          test_support::Crlf("[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\n") + "PCA Set\r\n" +
                              EncryptString("N=1") + "\r\nPCA Set\r\n");
  ToolRun run = Run({"params", "lint"});
  EXPECT_EQ(run.status, 1);
  // The file's own line numbers: its marker lines are counted.
  EXPECT_EQ(Findings(run.out, (Folder() / "PARAMETERS.dat").string()),
            (std::vector<std::string>{"7: warning", "8: error"}))
      << run.out;
}

TEST_F(ParamsCommands, DiffShowsExactlyTheChangedAnswers) {
  const std::string sample = test_support::ReadFile(test_support::SampleDataFolder() / "PARAMETERS.ini");
  const std::string shipped =
      ReplaceAll(ReplaceAll(sample, "FreqMax = 870000000", "FreqMax = 870000001"), "SquelchOpenLevel = -115",
                 "SquelchOpenLevel = -115\r\nSquelchOpenLevel = -116");
  test_support::WriteFile(outer_ / "new.ini", shipped);
  const std::string old_file = (Folder() / "PARAMETERS.ini").string();
  const std::string new_file = (outer_ / "new.ini").string();
  ToolRun run = test_support::RunTool({"params", "diff", Folder().string(), new_file});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Table \"BandLimits\"\n"
            "  band K5, model LR2930 Cal, any hardware version, any radio option\n"
            "    FreqMax: 870000000 -> 870000001\n"
            "Table \"RxSquelch\"\n"
            "  any band, model VX4820 Standard Rx or VX4820 Trigger Base Rx, any hardware version, radio option "
            "Wideband\n"
            "    the lookup now fails: lines 318 and 319 both give \"SquelchOpenLevel\" (error 457, duplicate key)\n"
            "2 differences in 2 tables\n");
  ToolRun back = test_support::RunTool({"params", "diff", new_file, old_file, "--format", "json"});
  EXPECT_EQ(back.status, 0);
  EXPECT_NE(back.out.find("\"name\": \"FreqMax\",\n              \"old\": \"870000001\",\n              \"new\": "
                          "\"870000000\""),
            std::string::npos)
      << back.out;
  // A file against itself: nothing; and neither folder was written to.
  ToolRun same = test_support::RunTool({"params", "diff", old_file, old_file});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "");
  EXPECT_EQ(Files(Folder()), std::set<std::string>{"PARAMETERS.ini"});
  // A file that does not load is named, not compared.
  ToolRun missing = test_support::RunTool({"params", "diff", old_file, (outer_ / "none.ini").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "vx4820cal: " + (outer_ / "none.ini").string() + ": does not exist\n");
}

TEST_F(ParamsCommands, JsonFormOfTheAnswer) {
  std::vector<std::string> args = TableArgs("RxSquelch", "K5", "VX4820 Standard Rx", "3", "wideband");
  args.insert(args.end(), {"--format", "json"});
  ToolRun run = Run(args);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"entries\": [\n    {\n      \"name\": \"RssiSlope\",\n      \"value\": \"0.85\"\n    },"),
            std::string::npos)
      << run.out;
  args.back() = "yaml";
  EXPECT_EQ(Run(args).status, 2);
}

}  // namespace
}  // namespace vx4820cal
