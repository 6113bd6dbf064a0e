// The line-by-line part of params lint: the loader's own walk over the file, with a
// handler that notes what the load would stop at or read differently from what a
// person meant, and goes on to the end.
#include <algorithm>

#include "calparams/calibration_parameter.h"
#include "calparams/parameter_line_walker.h"
#include "cli/cmd_params_lint.h"
#include "cli/command_line_hints.h"
#include "cli/utf8_misreading.h"
#include "common/codepage.h"
#include "common/text.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {
namespace {

using calparams::HeaderKey;
using calparams::ParsedLineView;
using calparams::SectionState;
using calparams::WalkedLine;

std::string KeyName(HeaderKey key) { return calparams::kHeaderKeyNames[static_cast<size_t>(key)]; }

// Why the record refuses a parameter line.
std::string RefusalOf(const SectionState& state, const ParsedLineView& line) {
  auto version = [](const char* key, int16_t value) -> std::string {
    if (value == -1) return key + std::string(" is not stated in this section above it (or is -1)");
    if (!calparams::IsVersionInRange(value)) {
      return key + std::string(" ") + std::to_string(value) + " is outside 0 to 9999";
    }
    return "";
  };
  if (state.table.empty()) return "a parameter before the first section header";
  if (state.bands.empty()) return "no Bands stated in this section above it";
  if (state.models.empty()) return "no Models stated in this section above it";
  if (std::string why = version("HWversStart", state.hw_version_start); !why.empty()) return why;
  if (std::string why = version("HWversStop", state.hw_version_stop); !why.empty()) return why;
  if (line.name.empty()) return "no name before the \"=\"";
  return "no value after the \"=\"";
}

// The key word a word is a likely misspelling of (at most two edits, not itself a
// key word), or none.
const char* MisspelledKeyWord(std::string_view word) {
  if (word.size() < 4) return nullptr;
  for (const char* key : calparams::kHeaderKeyNames) {
    size_t distance = EditDistance(std::string(word), key);
    if (distance > 0 && distance <= 2) return key;
  }
  return nullptr;
}

class LintHandler : public calparams::ParameterLineHandler {
 public:
  LintResult Finish() {
    if (lone_lf_lines_ > 0) {
      result_.findings.push_back(
          {first_lone_lf_, true,
           "the file ends lines with a lone LF (" + std::to_string(lone_lf_lines_) +
               " times): the component ends lines at CR or CR LF only, so those lines run together as one"});
    }
    EndSection();
    bool explained = std::any_of(result_.findings.begin(), result_.findings.end(),
                                 [](const LintFinding& finding) { return finding.error; });
    if (result_.records.empty() && !explained) {
      result_.findings.push_back({1, true, "the file holds no records: every lookup answers an empty table"});
    }
    return std::move(result_);
  }

  bool WantsRawLines() const override { return true; }
  void OnRawLine(const WalkedLine& line, std::string_view raw) override {
    if (size_t in_line = static_cast<size_t>(std::count(raw.begin(), raw.end(), '\n')); in_line > 0) {
      if (lone_lf_lines_ == 0) first_lone_lf_ = line.file_line;
      lone_lf_lines_ += in_line;
    }
    if (!line.scrambled) CheckUtf8(line, raw);
  }

  void OnMarkerAtEnd(const WalkedLine& line) override {
    Stop(line, line.scrambled
                   ? "the marker \"PCA Set\" is the last line: the load stops (error 62, input past end of file)"
                   : "the file is empty: its working copy holds the marker alone, and the load stops (error "
                     "62, input past end of file)");
  }

  void OnUndecodable(const WalkedLine& line, const Error&) override {
    Stop(line, "a line after the marker \"PCA Set\" that is not scrambled text: the load stops (error 13)");
  }

  void OnSection(const WalkedLine& line, const SectionState&) override {
    CheckDecoded(line);
    EndSection();
    section_line_ = line.file_line;
  }

  void OnHeaderKey(const WalkedLine& line, const ParsedLineView& parsed) override {
    CheckDecoded(line);
    CheckKeyIsMeant(line, parsed);
  }

  void OnBadVersion(const WalkedLine& line, const ParsedLineView& parsed, const Error& error) override {
    CheckDecoded(line);
    Stop(line, KeyName(parsed.key) + " \"" + std::string(parsed.value) +
                   "\" is not a whole number from -32768 to 32767: the load stops (error " +
                   std::to_string(error.Number()) + ", " + RuntimeErrorText(error.Number()) + ")");
  }

  void OnParameter(const WalkedLine& line, const ParsedLineView& parsed, const calparams::SharedConditions& conditions,
                   const SectionState& state) override {
    CheckDecoded(line);
    if (clsCalibrationParameter::Accepts(conditions.get(), parsed.name, parsed.value)) {
      result_.records.push_back(
          {line.file_line, section_line_, std::string(parsed.name), std::string(parsed.value), conditions});
      section_has_records_ = true;
      return;
    }
    if (misspelling_ != kNoFinding) {
      ++follow_on_refusals_;  // the misspelled key word already explains it
      return;
    }
    if (const char* key = section_has_records_ ? nullptr : MisspelledKeyWord(parsed.name)) {
      misspelling_ = result_.findings.size();
      AddError(line, "\"" + std::string(parsed.name) + "\" is read as a parameter: did you mean the key word \"" + key +
                         "\"? The record refuses it (\"Invalid Parameter Data\")");
      return;
    }
    AddError(line, "the record refuses this line (\"Invalid Parameter Data\"): " + RefusalOf(state, parsed));
  }

  void OnInvalid(const WalkedLine& line) override {
    CheckDecoded(line);
    std::string hint;
    std::string_view trimmed = TrimView(line.text);
    if (!trimmed.empty() && trimmed.front() == '[') {
      hint = ": a section header must begin with \"[\" in the first column";
    } else if (line.text.find('\t') != std::string_view::npos &&
               line.text.find_first_not_of(" \t") == std::string_view::npos) {
      hint = ": a tab is not blank to the component";
    } else if (const char* key = MisspelledKeyWord(trimmed.substr(0, trimmed.find_first_of(" \t")))) {
      hint = std::string(": did you mean the key word \"") + key + "\"?";
    }
    Stop(line,
         "neither a section header, a header key, a blank line nor a parameter: the load stops (\"Invalid "
         "Parameters File Format\")" +
             hint);
  }

 private:
  static constexpr size_t kNoFinding = static_cast<size_t>(-1);

  void AddError(const WalkedLine& line, std::string message) {
    result_.findings.push_back({line.file_line, true, std::move(message)});
  }
  void AddWarning(const WalkedLine& line, std::string message) {
    result_.findings.push_back({line.file_line, false, std::move(message)});
  }
  void Stop(const WalkedLine& line, std::string message) {
    result_.findings.push_back({line.file_line, true, std::move(message), !stopped_});
    stopped_ = true;
  }

  // Closes the section: the count of the lines a misspelled key word refused.
  void EndSection() {
    if (misspelling_ != kNoFinding && follow_on_refusals_ > 0) {
      result_.findings[misspelling_].message +=
          "; so are the " + std::to_string(follow_on_refusals_) + " parameter lines after it in this section";
    }
    misspelling_ = kNoFinding;
    follow_on_refusals_ = 0;
    section_has_records_ = false;
  }

  void CheckUtf8(const WalkedLine& line, std::string_view bytes) {
    if (std::optional<Utf8Misread> misread = Utf8Misreading(bytes)) {
      result_.findings.push_back({line.file_line, misread->byte_order_mark, misread->message});
    }
  }
  // Scrambled lines are checked as the bytes they were made from.
  void CheckDecoded(const WalkedLine& line) {
    if (line.scrambled) CheckUtf8(line, Utf8ToCp1252(line.text));
  }

  // A key word inside a parameter's name or value turns the line into that key.
  void CheckKeyIsMeant(const WalkedLine& line, const ParsedLineView& parsed) {
    std::string key = KeyName(parsed.key);
    std::string value(parsed.value);
    if (!parsed.has_equals) {
      AddWarning(line, "a line without \"=\" that holds the key word \"" + key + "\": it sets " + key + " to \"" +
                           value + "\"");
      return;
    }
    std::string name = Trim(line.text.substr(0, line.text.find('=')));
    if (EqualsNoCase(name, key)) return;
    for (const char* other : calparams::kHeaderKeyNames) {
      if (EqualsNoCase(name, other)) {
        AddWarning(line, "read as " + key + ", not as " + other + ": the line holds the key word \"" + key +
                             "\", which is tested first; it sets " + key + " to \"" + value + "\"");
        return;
      }
    }
    AddWarning(line, "the parameter \"" + name + "\" is read as the header key " + key +
                         " (its line holds the key word \"" + key + "\"): it sets " + key + " to \"" + value +
                         "\" and makes no record");
  }

  LintResult result_;
  size_t section_line_ = 0;
  size_t lone_lf_lines_ = 0;
  size_t first_lone_lf_ = 0;
  bool stopped_ = false;
  bool section_has_records_ = false;
  size_t misspelling_ = kNoFinding;  // the finding of a misspelled key word in this section
  size_t follow_on_refusals_ = 0;
};

}  // namespace

LintResult ScanParametersFile(const std::filesystem::path& file, bool plain_source) {
  FileLineReader lines(file);
  LintHandler handler;
  calparams::ParameterLineWalker(lines, handler, calparams::PoolRef<calparams::TextPool>(new calparams::TextPool),
                                 plain_source)
      .Walk();
  return handler.Finish();
}

}  // namespace vx4820cal::cli
