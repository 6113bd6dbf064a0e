#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "common/text.h"
#include "support/test_support.h"

namespace vx4820cal {
namespace {

using test_support::RunTool;
using test_support::ToolRun;

TEST(ScrambleCommand, WritesMarkerAndScrambledLinesWithCrLf) {
  auto run = RunTool({"scramble"}, "abc\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "PCA Set\r\n662646\r\n");
  // Every line end the input may use ends a line.
  EXPECT_EQ(RunTool({"scramble", "-"}, "abc\r\nabc\rabc").out, "PCA Set\r\n662646\r\n662646\r\n662646\r\n");
  EXPECT_EQ(RunTool({"scramble"}, "").out, "PCA Set\r\n");
}

TEST(UnscrambleCommand, GivesBackEveryByteOfTheCodePageAndLongLines) {
  std::string plain;
  for (int code = 0x20; code <= 0xFF; ++code) plain.push_back(static_cast<char>(code));
  plain += "\r\n" + std::string(700, 'x') + "\r\n";
  test_support::TempDir dir;
  dir.Write("plain.txt", plain);
  auto scrambled = RunTool({"scramble", (dir / "plain.txt").string(), (dir / "s.dat").string()});
  ASSERT_EQ(scrambled.status, 0) << scrambled.err;
  auto back = RunTool({"unscramble", (dir / "s.dat").string()});
  EXPECT_EQ(back.status, 0) << back.err;
  EXPECT_EQ(back.out, plain);
}

TEST(UnscrambleCommand, CopiesUnscrambledInputAndReportsBadLines) {
  EXPECT_EQ(RunTool({"unscramble"}, "PCA set\r\nplain\n").out, "PCA set\r\nplain\n");
  auto strict = RunTool({"unscramble", "--strict"}, "PCA Set\r\nXYZ\r\n");
  EXPECT_EQ(strict.status, 1);
  EXPECT_EQ(strict.err, "error 13\nVX4820CAL: DecryptString\nType mismatch\n");
  auto host_like = RunTool({"unscramble"}, "PCA Set\r\n662646\r\nXYZ\r\n");
  EXPECT_EQ(host_like.status, 1);
  EXPECT_EQ(host_like.out, "");
  EXPECT_EQ(
      host_like.err,
      "vx4820cal: standard input:3: the line does not descramble (it is no scrambled text); nothing was written\n");
}

// The tool's exit status when run by the shell as command_line (the tool's path put
// in front), with its output thrown away.
int StatusOf(const std::string& prefix, const std::string& arguments) {
  std::string command = prefix + " '" + VX4820CAL_TOOL_FILE + "' " + arguments + " 2>/dev/null";
  int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::set<std::string> Files(const test_support::TempDir& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(ScrambleCommand, AFullDiskLeavesTheInputWholeAndNoTemporaryFile) {
  test_support::TempDir dir;
  const std::string plain = std::string(20000, 'x') + "\r\n";
  // Writes beyond 8 KB fail as on a full disk (EFBIG, the signal ignored).
  const std::string full_disk = "trap '' XFSZ; ulimit -f 16;";
  struct Case {
    const char* what;
    std::string arguments;
  } cases[] = {{"in place", "scramble '{D}/in.txt' '{D}/in.txt'"},
               {"to a new file", "scramble '{D}/in.txt' '{D}/out.dat'"},
               {"unscramble in place", "unscramble '{D}/in.txt' '{D}/in.txt'"}};
  for (const Case& c : cases) {
    dir.Write("in.txt", plain);
    EXPECT_EQ(StatusOf(full_disk, ReplaceAll(c.arguments, "{D}", dir.Path().string())), 1) << c.what;
    EXPECT_EQ(dir.Read("in.txt"), plain) << c.what;
    EXPECT_EQ(Files(dir), std::set<std::string>{"in.txt"}) << c.what;
  }
  // Without the limit, in place works.
  EXPECT_EQ(StatusOf("", "scramble '" + (dir / "in.txt").string() + "' '" + (dir / "in.txt").string() + "'"), 0);
  EXPECT_EQ(dir.Read("in.txt").substr(0, 9), "PCA Set\r\n");
}

TEST(ScrambleCommand, WhatCannotBeReadOrWrittenFailsTheCommand) {
  test_support::TempDir dir;
  dir.Write("in.txt", "abc\r\n");
  std::string in = "'" + (dir / "in.txt").string() + "'";
  struct Case {
    const char* what;
    std::string arguments;
  } cases[] = {
      {"stdout on a full device", "scramble " + in + " >/dev/full"},
      {"unscramble to a full device", "unscramble " + in + " >/dev/full"},
      {"help to a full device", "--help >/dev/full"},
      {"a folder as input", "scramble '" + dir.Path().string() + "' -"},
      {"a missing input", "unscramble '" + (dir / "none").string() + "'"},
      {"an output in a missing folder", "scramble " + in + " '" + (dir / "no/out").string() + "'"},
  };
  for (const Case& c : cases) EXPECT_EQ(StatusOf("", c.arguments), 1) << c.what;
  ToolRun folder = RunTool({"scramble", dir.Path().string()});
  EXPECT_EQ(folder.err, "vx4820cal: " + dir.Path().string() + ": is not a regular file\n");
  EXPECT_EQ(folder.out, "");
}

TEST(ToolUsage, HelpAndUsageErrors) {
  EXPECT_EQ(RunTool({"--help"}).status, 0);
  EXPECT_EQ(RunTool({"scramble", "--help"}).status, 0);
  EXPECT_EQ(RunTool({}).status, 2);
  EXPECT_EQ(RunTool({"frobnicate"}).status, 2);
  EXPECT_EQ(RunTool({"scramble", "a", "b", "c"}).status, 2);
}

}  // namespace
}  // namespace vx4820cal
