#pragma once
// The one reading of a parameters file's lines: the marker switch, decoding, comments,
// sections and key words, in one loop. What a line of each kind does is the handler's:
// the loader stores records and raises, lint records findings. So the two can never
// read a file differently.
#include <cstdint>
#include <string>
#include <string_view>

#include "calparams/line_format.h"
#include "calparams/parameter_conditions.h"

namespace vx4820cal {
class Error;
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
  void Apply(HeaderKey key, const std::string& value);
};

// A "HWversStart" or "HWversStop" value: a 32-bit whole number, then 16 bits.
int16_t ToHardwareVersion(std::string_view text);

// Where the walker stands.
struct WalkedLine {
  size_t file_line = 0;    // in the file read, marker lines counted
  size_t source_line = 0;  // in the plain source: marker lines not counted
  bool scrambled = false;  // after a marker
  std::string_view text;   // decoded, the comment cut off
};

class ParameterLineHandler {
 public:
  virtual ~ParameterLineHandler() = default;
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

class ParameterLineWalker {
 public:
  // plain_source: the lines are those of a plain source and are read as the working
  // copy regenerated from it holds them (each cut as the copy cuts it, no marker).
  ParameterLineWalker(FileLineReader& lines, ParameterLineHandler& handler, PoolRef<TextPool> pool,
                      bool plain_source = false)
      : lines_(lines), handler_(handler), pool_(std::move(pool)), plain_source_(plain_source) {}

  void Walk();

 private:
  bool NextText();
  void Take();
  void TakeHeaderKey(const ParsedLineView& parsed);

  FileLineReader& lines_;
  ParameterLineHandler& handler_;
  PoolRef<TextPool> pool_;
  bool plain_source_;
  SectionState state_;
  SharedConditions conditions_;  // of state_, built on first use
  std::string text_;
  WalkedLine line_;
  ParsedLineView parsed_;  // of line_
  size_t marker_lines_ = 0;
};

}  // namespace vx4820cal::calparams
