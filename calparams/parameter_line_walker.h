#pragma once
// The one reading of a parameters file's lines: the marker switch, decoding, comments,
// sections and key words, in one loop. What a line of each kind does is the handler's:
// the loader stores records and raises, lint records findings. So the two can never
// read a file differently.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "calparams/line_format.h"
#include "calparams/parameter_conditions.h"
#include "common/batch_ring.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
class FileLineReader;
}  // namespace vx4820cal

namespace vx4820cal::calparams {

// The six values the loader keeps while it reads: the table and the header keys in
// force for the next parameter line.
struct SectionState {
  std::string table;
  std::string bands;
  std::string models;
  int16_t hw_version_start = 0;
  int16_t hw_version_stop = 0;
  std::string radio_options;  // kept from section to section

  // A section header: new table, its bands, models and versions not stated yet.
  void EnterSection(std::string name);
  // A header key line; a version that is no whole number in 16 bits raises the
  // conversion error (13 or 6) and changes nothing.
  void Apply(HeaderKey key, std::string_view value);
};

// A "HWversStart" or "HWversStop" value: a 32-bit whole number, then 16 bits.
int16_t ToHardwareVersion(std::string_view text);

// Where the walker stands.
struct WalkedLine {
  size_t file_line = 0;    // in the file read, marker lines counted
  size_t source_line = 0;  // in the plain source: marker lines not counted
  bool scrambled = false;  // after a marker
  std::string_view text;   // decoded, the comment cut off; empty before a line is decoded
};

class ParameterLineHandler {
 public:
  virtual ~ParameterLineHandler() = default;
  // Whether OnRawLine is called: keeping every line as it stands costs a copy of it.
  virtual bool WantsRawLines() const { return false; }
  // Every line as it stands in the file, before decoding (the marker lines too).
  virtual void OnRawLine(const WalkedLine& /*line*/, std::string_view /*raw*/) {}
  // A marker on the last line: there is no line after it to read (error 62).
  virtual void OnMarkerAtEnd(const WalkedLine& line) = 0;
  // A line after a marker that is no scrambled text; the walk goes on when it returns.
  virtual void OnUndecodable(const WalkedLine& line, const Error& error) = 0;
  virtual void OnSection(const WalkedLine& /*line*/, const SectionState& /*state*/) {}
  // A header key applied to the state.
  virtual void OnHeaderKey(const WalkedLine& /*line*/, const ParsedLineView& /*parsed*/) {}
  // A version key whose value is no 16-bit whole number; the state is unchanged.
  virtual void OnBadVersion(const WalkedLine& line, const ParsedLineView& parsed, const Error& error) = 0;
  // A parameter line under the conditions in force (built once per state).
  virtual void OnParameter(const WalkedLine& line, const ParsedLineView& parsed, const SharedConditions& conditions,
                           const SectionState& state) = 0;
  // A line of no known kind.
  virtual void OnInvalid(const WalkedLine& line) = 0;
};

// Lines read, decoded and classified ahead of the handler, in the order of the file.
// What the reading met on the way (a marker on the last line, an undecodable line, a
// failure of the file itself) travels with the lines, so that the handler meets it
// exactly where a walk line by line would have.
struct LineBatch {
  enum class Event : uint8_t { kRawLine, kMarkerAtEnd, kUndecodable, kText };
  // Kept small: the handler's thread reads every entry the reader wrote.
  struct Entry {
    uint64_t file_line = 0;
    uint64_t size = 0;  // of the text (or raw line)
    uint32_t at = 0;    // where it begins in texts (raw_lines); kUndecodable: in errors
    Event event = Event::kText;
    bool scrambled = false;
    bool follows_marker = false;  // a marker line came just before this line
    // A text of up to kParsedBytes may come classified by the reader: name and value
    // as offsets into the text. Any other is classified on the handler's side.
    bool parsed = false;
    LineKind kind = LineKind::kBlank;
    HeaderKey key = HeaderKey::kBands;
    bool has_equals = false;
    uint8_t name_at = 0;
    uint8_t name_size = 0;
    uint8_t value_at = 0;
    uint8_t value_size = 0;
  };
  static constexpr size_t kParsedBytes = 255;

  void Clear();

  std::vector<Entry> entries;
  std::string texts;
  std::string raw_lines;
  std::vector<Error> errors;
  std::exception_ptr failure;  // after the entries: the walk ends with it
  bool last = false;           // nothing follows
};

class ParameterLineWalker {
 public:
  struct Options {
    // The lines are those of a plain source and are read as the working copy
    // regenerated from it holds them (each cut as the copy cuts it, no marker).
    bool plain_source = false;
    // A file at least this large is read and decoded on a second thread while the
    // handler takes the lines already read; smaller ones are not worth the thread.
    size_t read_ahead_from_bytes = kReadAheadFromBytes;
    size_t lines_per_batch = 4096;
  };

  ParameterLineWalker(FileLineReader& lines, ParameterLineHandler& handler, PoolRef<TextPool> pool,
                      bool plain_source = false)
      : ParameterLineWalker(lines, handler, std::move(pool), Options{plain_source}) {}
  ParameterLineWalker(FileLineReader& lines, ParameterLineHandler& handler, PoolRef<TextPool> pool, Options options)
      : lines_(lines),
        handler_(handler),
        pool_(pool ? std::move(pool) : PoolRef<TextPool>(new TextPool)),
        options_(options) {}

  void Walk();

 private:
  void WalkInBatches();

  // The reading side: fills a batch from the file; never raises.
  void FillBatch(LineBatch& batch, const TakerPace& pace);
  bool ReadLineInto(LineBatch& batch);
  static void ParseBatch(LineBatch& batch);
  void AddRawLine(LineBatch& batch, std::string_view raw);
  // The handler's side: every entry of a batch in order; raises what the handler or
  // the reading raised. False after the batch that ends the walk.
  bool TakeBatch(const LineBatch& batch);
  void TakeEntry(const LineBatch& batch, const LineBatch::Entry& entry);
  void Take();
  void TakeHeaderKey(const ParsedLineView& parsed);

  FileLineReader& lines_;
  ParameterLineHandler& handler_;
  PoolRef<TextPool> pool_;
  Options options_;
  // The reading side's own.
  bool wants_raw_lines_ = false;
  bool reading_scrambled_ = false;
  std::string text_;
  // The handler's side's own.
  size_t markers_taken_ = 0;
  SectionState state_;
  PoolHolds holds_;              // outlives conditions_
  SharedConditions conditions_;  // of state_, built on first use
  WalkedLine line_;
  ParsedLineView parsed_;  // of line_
};

}  // namespace vx4820cal::calparams
