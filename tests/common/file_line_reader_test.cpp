// FileLineReader reads a file in blocks and must give exactly the lines LineReader
// gives for the whole file, wherever the blocks happen to cut it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_file.h"
#include "support/test_support.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
namespace {

constexpr size_t kBlock = size_t{64} << 10;  // the reader's block size

std::vector<std::string> InMemory(const std::string& bytes) {
  std::vector<std::string> lines;
  for (LineReader reader(bytes); !reader.AtEnd();) lines.emplace_back(reader.Next());
  return lines;
}

// done_with_lines: the reader is told after each line that it is no longer needed
// (it then gives back a buffer grown for a long line, keeping the unread bytes).
std::vector<std::string> FromFile(const test_support::TempDir& dir, const std::string& bytes,
                                  bool done_with_lines = false) {
  dir.Write("lines.txt", bytes);
  std::vector<std::string> lines;
  FileLineReader reader(dir / "lines.txt");
  while (!reader.AtEnd()) {
    lines.emplace_back(reader.Next());
    if (done_with_lines) reader.DoneWithLine();
    EXPECT_EQ(reader.LineNumber(), lines.size());
  }
  EXPECT_EQ(test_support::ErrorNumberOf([&] { reader.Next(); }), err::kInputPastEndOfFile);
  return lines;
}

// `line` repeated to at least `bytes` bytes.
std::string InBlocks(const std::string& line, size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += line;
  return text;
}

TEST(FileLineReader, GivesTheLinesOfLineReaderWhereverTheBlocksCut) {
  const std::string a(kBlock - 1, 'a');
  const std::string b(kBlock, 'b');
  const std::string long_line(3 * kBlock + 5, 'c');
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty file", ""},
      {"no line end at the end", "one\r\ntwo"},
      {"CR LF at the end adds no line", "one\r\ntwo\r\n"},
      {"lone CR ends a line, lone LF does not", "one\rtwo\nstill two\r\n\r\nafter blank"},
      {"CR as the block's last byte, LF as the next block's first", a + "\r\nnext"},
      {"CR as the block's last byte, no LF after it", a + "\rnext"},
      {"CR as the file's last byte after a full block", a + "\r"},
      {"line exactly one block long", b + "\r\n" + b},
      {"line over several blocks", "x\r\n" + long_line + "\r\ny"},
      {"LF alone at a block's start", b + "\n\r\n"},
      {"long line as the whole file", long_line},
      {"long line, then a block and more of short lines", long_line + "\r\n" + InBlocks("ab\r\n", 2 * kBlock)},
      {"long lines one after the other", long_line + "\r" + long_line + "\r\n" + b + "\r\nz"},
  };
  test_support::TempDir dir;
  for (const Case& c : cases) {
    EXPECT_EQ(FromFile(dir, c.bytes), InMemory(c.bytes)) << c.what;
    EXPECT_EQ(FromFile(dir, c.bytes, true), InMemory(c.bytes)) << c.what << ", done with each line";
  }
}

TEST(FileLineReader, ManyShortLinesAcrossBlocks) {
  // Line ends of every kind fall on every offset of a block boundary.
  std::string bytes;
  const char* ends[] = {"\r\n", "\r", "\n\r"};
  for (size_t i = 0; bytes.size() < 3 * kBlock; ++i) bytes += std::string(i % 13, 'a' + i % 26) + ends[i % 3];
  test_support::TempDir dir;
  EXPECT_EQ(FromFile(dir, bytes), InMemory(bytes));
  // Lines of every length up to a few times 64 bytes, of bytes beyond ASCII too, so
  // that a line end falls on every offset of the reader's search windows.
  bytes.clear();
  for (size_t i = 0; bytes.size() < 3 * kBlock; ++i) {
    bytes += std::string(i * 7 % 200, static_cast<char>(i % 2 ? '\x8D' : 'a' + i % 26)) + ends[i % 3];
  }
  EXPECT_EQ(FromFile(dir, bytes), InMemory(bytes));
  EXPECT_EQ(FromFile(dir, bytes, true), InMemory(bytes));
}

TEST(FileLineReader, OpeningFailsAsReadingTheWholeFile) {
  test_support::TempDir dir;
  EXPECT_EQ(test_support::ErrorNumberOf([&] { FileLineReader reader(dir / "absent.txt"); }), err::kFileNotFound);
  EXPECT_EQ(test_support::ErrorNumberOf([&] { FileLineReader reader(dir / "no" / "absent.txt"); }), err::kPathNotFound);
}

}  // namespace
}  // namespace vx4820cal
