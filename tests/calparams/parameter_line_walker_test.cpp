// Reading ahead on a second thread: the handler meets the same lines, texts, line
// numbers and errors in the same order as a walk line by line, whatever the batch
// size, and a handler that stops the walk stops the reader too.
#include "calparams/parameter_line_walker.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/scrambling.h"
#include "common/text_file.h"
#include "fixtures/parameters_fixture.h"

namespace vx4820cal::calparams {
namespace {

using test_support::Crlf;
using test_support::Lines;
using test_support::TempDir;

// Every call as a line of text; raises after `stop_after` calls when that is set.
class RecordingHandler : public ParameterLineHandler {
 public:
  RecordingHandler(bool raw_lines, size_t stop_after) : raw_lines_(raw_lines), stop_after_(stop_after) {}

  bool WantsRawLines() const override { return raw_lines_; }
  void OnRawLine(const WalkedLine& line, std::string_view raw) override { Log(line, "raw", std::string(raw)); }
  void OnMarkerAtEnd(const WalkedLine& line) override { Log(line, "marker at end", ""); }
  void OnUndecodable(const WalkedLine& line, const Error& error) override {
    Log(line, "undecodable", error.Description());
  }
  void OnSection(const WalkedLine& line, const SectionState& state) override { Log(line, "section", state.table); }
  void OnHeaderKey(const WalkedLine& line, const ParsedLineView& parsed) override {
    Log(line, "header",
        std::to_string(static_cast<int>(parsed.key)) + "=" + std::string(parsed.value) +
            (parsed.has_equals ? "" : " (no =)"));
  }
  void OnBadVersion(const WalkedLine& line, const ParsedLineView& parsed, const Error& error) override {
    Log(line, "bad version", std::string(parsed.value) + " " + std::to_string(error.Number()));
  }
  void OnParameter(const WalkedLine& line, const ParsedLineView& parsed, const SharedConditions& conditions,
                   const SectionState& state) override {
    Log(line, "parameter",
        std::string(parsed.name) + "=" + std::string(parsed.value) + " in " + state.table + " " +
            std::to_string(conditions->hw_version_start) + "-" + std::to_string(conditions->hw_version_stop));
  }
  void OnInvalid(const WalkedLine& line) override { Log(line, "invalid", ""); }

  Lines log;

 private:
  void Log(const WalkedLine& line, const std::string& what, const std::string& detail) {
    if (log.size() == stop_after_) throw std::runtime_error("stopped");
    log.push_back(std::to_string(line.file_line) + "/" + std::to_string(line.source_line) +
                  (line.scrambled ? " s " : " p ") + what + ": " + detail + " | " + std::string(line.text));
  }

  bool raw_lines_;
  size_t stop_after_;
};

struct Walked {
  Lines log;
  std::string error;
};

Walked Walk(const std::string& bytes, ParameterLineWalker::Options options, bool raw_lines,
            size_t stop_after = std::numeric_limits<size_t>::max()) {
  TempDir dir;
  dir.Write("PARAMETERS.dat", bytes);
  FileLineReader lines(dir / "PARAMETERS.dat");
  RecordingHandler handler(raw_lines, stop_after);
  Walked walked;
  try {
    ParameterLineWalker(lines, handler, PoolRef<TextPool>(new TextPool), options).Walk();
  } catch (const Error& error) {
    walked.error = error.Description();
  } catch (const std::exception& error) {
    walked.error = error.what();
  }
  walked.log = std::move(handler.log);
  return walked;
}

ParameterLineWalker::Options InTurn(bool plain_source = false) {
  ParameterLineWalker::Options options;
  options.plain_source = plain_source;
  options.read_ahead_from_bytes = std::numeric_limits<size_t>::max();
  return options;
}

ParameterLineWalker::Options ReadingAhead(size_t lines_per_batch, bool plain_source = false) {
  ParameterLineWalker::Options options;
  options.plain_source = plain_source;
  options.read_ahead_from_bytes = 0;
  options.lines_per_batch = lines_per_batch;
  return options;
}

const std::string kSections = Crlf(
    "; comment\n[T1]\nBands = B\nModels = M\nHWversStart = 1\nHWversStop = 9\nA = 1 ; note\n"
    "   \nnot a line\nHWversStart = x\nB=2\n[ T2 ]\nbands\nRadioOptions = R\nC = 3\n");

std::string Scrambled(const std::vector<std::string>& lines) {
  std::string bytes = "PCA Set\r\n";
  for (const std::string& line : lines) bytes += EncryptString(line) + "\r\n";
  return bytes;
}

struct Case {
  const char* what;
  std::string bytes;
  bool plain_source = false;
};

std::vector<Case> Cases() {
  const std::string long_value(300, 'v');    // classified on the handler's side
  const std::string huge_value(70000, 'w');  // longer than the reader's block
  return {
      {"plain sections", kSections},
      {"plain source", kSections + "D = 4 ; cut as the copy cuts it\r\n", true},
      {"empty plain source", "", true},
      {"scrambled, with an undecodable line and a second marker",
       Crlf("[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nP=1\n") + Scrambled({"Q = 2", "[U]", "Bands = B"}) +
           "not hex\r\n" + Scrambled({"R = 3", "PCA Set", "S = " + long_value})},
      {"marker on the last line", Crlf("[T]\nA=1\n") + "PCA Set"},
      {"long lines", Crlf("[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nA = " + long_value +
                          "\nB = " + huge_value + "\nC = 1\n")},
      {"no line end at the end", Crlf("[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nA=1\nB=2")},
  };
}

TEST(ParameterLineWalker, ReadingAheadMeetsTheHandlerAsAWalkLineByLine) {
  for (const Case& c : Cases()) {
    for (bool raw_lines : {false, true}) {
      const Walked in_turn = Walk(c.bytes, InTurn(c.plain_source), raw_lines);
      ASSERT_FALSE(in_turn.log.empty()) << c.what;
      for (size_t lines_per_batch : {0, 1, 2, 3, 4096}) {  // 0 is taken as 1
        const Walked ahead = Walk(c.bytes, ReadingAhead(lines_per_batch, c.plain_source), raw_lines);
        EXPECT_EQ(ahead.log, in_turn.log) << c.what << ", raw lines " << raw_lines << ", batch " << lines_per_batch;
        EXPECT_EQ(ahead.error, in_turn.error) << c.what;
      }
    }
  }
}

TEST(ParameterLineWalker, AHandlerThatRaisesStopsTheWalkWhereItRaised) {
  const std::string bytes = kSections + kSections + kSections;
  const Walked whole = Walk(bytes, InTurn(), true);
  for (size_t stop_after : {size_t{0}, size_t{1}, size_t{7}, whole.log.size() - 1}) {
    const Walked in_turn = Walk(bytes, InTurn(), true, stop_after);
    ASSERT_EQ(in_turn.log.size(), stop_after);
    EXPECT_EQ(in_turn.error, "stopped");
    for (size_t lines_per_batch : {1, 5, 4096}) {
      const Walked ahead = Walk(bytes, ReadingAhead(lines_per_batch), true, stop_after);
      EXPECT_EQ(ahead.log, in_turn.log) << "stop after " << stop_after << ", batch " << lines_per_batch;
      EXPECT_EQ(ahead.error, "stopped");
    }
  }
}

}  // namespace
}  // namespace vx4820cal::calparams
