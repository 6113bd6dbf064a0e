// The tool's command line as people type it: global options anywhere and in either
// form, help for every group, one line with the closest valid word for a typo, and
// usage errors for empty or repeated values.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace vx4820cal {
namespace {

namespace fs = std::filesystem;
using test_support::RunTool;
using test_support::ToolRun;

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(test_support::SampleDataFolder() / "PARAMETERS.ini", folder_ / "PARAMETERS.ini");
  }
  std::string Dir() const { return folder_.Path().string(); }

  test_support::TempDir folder_;
};

const std::vector<std::string> kLookup = {
    "--table", "RxSquelch", "--band", "K5", "--model", "VX4820 Standard Rx", "--hw", "3", "--option", "wideband"};
std::vector<std::string> Lookup(std::vector<std::string> before, std::vector<std::string> after = {}) {
  std::vector<std::string> args = std::move(before);
  args.insert(args.end(), kLookup.begin(), kLookup.end());
  args.insert(args.end(), after.begin(), after.end());
  return args;
}

TEST_F(CommandLine, GlobalOptionsStandAnywhereInEitherForm) {
  const std::string answer = "RssiSlope=0.85\nSquelchOpenLevel=-115\nSquelchCloseLevel=-118\nRssiOffset=-129\n";
  for (const auto& args :
       {Lookup({"--dir", Dir(), "params", "table"}), Lookup({"params", "--dir=" + Dir(), "table"}),
        Lookup({"params", "table"}, {"--dir", Dir()}), Lookup({"params", "table", "--strict"}, {"--dir=" + Dir()})}) {
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 0) << args[0] << ' ' << run.err;
    EXPECT_EQ(run.out, answer) << args[0];
  }
}

TEST_F(CommandLine, HelpAndVersionAnswerOnStdout) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                               {"params", "--help"},
                                               {"ui", "--help"},
                                               {"params", "table", "--help"},
                                               {"--version"}}) {
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 0) << args.back();
    EXPECT_FALSE(run.out.empty()) << args.back();
    EXPECT_EQ(run.err, "") << args.back();
  }
  EXPECT_EQ(RunTool({"--version"}).out.rfind("vx4820cal ", 0), 0u);
  EXPECT_NE(RunTool({"params", "--help"}).out.find("explain"), std::string::npos);
}

TEST_F(CommandLine, AMistakeIsOneLineNamingTheClosestValidWord) {
  struct Case {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"params", "tabel"}, "vx4820cal params: unknown command 'tabel'; did you mean 'table'?\n"},
      {{"ui", "dupm"}, "vx4820cal ui: unknown command 'dupm'; did you mean 'dump'?\n"},
      {{"bnads"}, "vx4820cal: unknown command 'bnads'; did you mean 'bands'?\n"},
      {{"bands", "--dri", "x"}, "vx4820cal bands: unknown option '--dri'; did you mean '--dir'?\n"},
      {Lookup({"params", "table"}, {"--nmae=X"}),
       "vx4820cal params table: unknown option '--nmae'; did you mean '--name'?\n"},
      {{"scramble", "a", "b", "c"}, "vx4820cal scramble: unexpected argument 'c'\n"},
  };
  for (const Case& c : cases) {
    ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.status, 2) << c.err;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(CommandLine, EmptyRepeatedOrMissingValuesAreUsageErrors) {
  struct Case {
    std::vector<std::string> args;
    std::string says;
  } cases[] = {
      {{"--dir", "", "bands"}, "--dir: an empty value is not allowed"},
      {{"bands", "--dir="}, "--dir needs a value"},
      {{"--dir", "a", "bands", "--dir", "b"}, "--dir is given more than once"},
      {Lookup({"params", "table"}, {"--band", "H5"}), "--band is given more than once"},
      {Lookup({"params", "table"}, {"--hw", "40000"}), "--hw is given more than once"},
      {{"params", "table", "--table", "T"}, "--band is required"},
      {{"--color=sometimes", "bands"}, "--color"},
      {{"ui"}, "a command is needed: dump, get"},
      {{"ui", "get"}, "UIID is required"},
  };
  for (const Case& c : cases) {
    ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.status, 2) << c.says;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
  // Nothing at all: the tool's help, as a usage error.
  ToolRun bare = RunTool({});
  EXPECT_EQ(bare.status, 2);
  EXPECT_NE(bare.err.find("params"), std::string::npos);
}

TEST_F(CommandLine, ColourOnlyWhenAskedOrOnATerminalWithoutNoColor) {
  std::string tie =
      "[T]\r\nBands=DEFAULT\r\nModels=DEFAULT\r\nHWversStart=0\r\nHWversStop=9\r\nRadioOptions=DEFAULT\r\n"
      "N=1\r\nN=2\r\n";
  test_support::WriteFile(folder_ / "PARAMETERS.ini", tie);
  EXPECT_NE(RunTool({"params", "lint", "--color=always", "--dir", Dir()}).out.find("\x1b["), std::string::npos);
  for (const char* choice : {"--color=never", "--color=auto"}) {
    EXPECT_EQ(RunTool({"params", "lint", choice, "--dir", Dir()}).out.find("\x1b["), std::string::npos) << choice;
  }
}

TEST_F(CommandLine, JsonFormsAreOneDocumentOnStdout) {
  struct Case {
    std::vector<std::string> args;
    std::string holds;
  } cases[] = {
      {{"bands", "--format", "json"}, "  {\n    \"band\": \"A4\",\n    \"fields\": {\n      \"BandType\": 1,"},
      {Lookup({"params", "explain", "--format=json"}), "\"answer\": [\n    {\n      \"name\": \"RssiSlope\""},
      {{"params", "lint", "--format", "json"}, "\"findings\": [],\n  \"errors\": 0,"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--dir", Dir()});
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 0) << args[0] << ' ' << run.err;
    EXPECT_NE(run.out.find(c.holds), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.front() == '{' || run.out.front() == '[') << run.out;
  }
}

}  // namespace
}  // namespace vx4820cal
