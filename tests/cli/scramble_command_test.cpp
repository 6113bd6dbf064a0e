#include <gtest/gtest.h>

#include "support/test_support.h"

namespace vx4820cal {
namespace {

using testing::RunTool;

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
  testing::TempDir dir;
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
  auto host_like = RunTool({"unscramble"}, "PCA Set\r\nXYZ\r\n");
  EXPECT_EQ(host_like.status, 3);
  EXPECT_EQ(host_like.err, "[Programming Application]\nVX4820CAL: DecryptString\nType mismatch\n\n");
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
