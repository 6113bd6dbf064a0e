// The line-by-line part of params lint: the same reading as the component's loader,
// noting what it would stop at or read differently from what a person meant.
#include <algorithm>

#include "calparams/calibration_parameter.h"
#include "calparams/line_format.h"
#include "calparams/section_state.h"
#include "calparams/working_copy.h"
#include "cli/cmd_params_lint.h"
#include "common/codepage.h"
#include "common/common_globals.h"
#include "common/text.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {
namespace {

using calparams::HeaderKey;
using calparams::LineKind;
using calparams::ParsedLine;

std::string KeyName(HeaderKey key) { return calparams::kHeaderKeyNames[static_cast<size_t>(key)]; }

// The first line (as the component counts them) that holds a lone LF, or 0.
size_t FirstLineWithLoneLf(std::string_view bytes, size_t& count) {
  count = 0;
  size_t first = 0;
  LineReader lines(bytes);
  while (!lines.AtEnd()) {
    std::string_view line = lines.Next();
    size_t in_line = static_cast<size_t>(std::count(line.begin(), line.end(), '\n'));
    if (in_line > 0 && first == 0) first = lines.LineNumber();
    count += in_line;
  }
  return first;
}

// Why the record refuses a parameter line.
std::string RefusalOf(const calparams::SectionState& state, const ParsedLine& line) {
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

class Scanner {
 public:
  Scanner(std::string_view bytes, bool plain_source) : bytes_(bytes), lines_(bytes), plain_source_(plain_source) {}

  LintResult Run() {
    CheckLineEnds();
    std::string text;
    while (NextText(text)) {
      std::string_view line = calparams::CutComment(text);
      Take(line, calparams::ParseLine(line));
    }
    return std::move(result_);
  }

 private:
  void Error(std::string message) { result_.findings.push_back({line_, true, std::move(message)}); }
  void Warning(std::string message) { result_.findings.push_back({line_, false, std::move(message)}); }
  void Stop(std::string message) { result_.findings.push_back({line_, true, std::move(message), true}); }

  void CheckLineEnds() {
    size_t count = 0;
    line_ = FirstLineWithLoneLf(bytes_, count);
    if (line_ == 0) return;
    Error("the file ends lines with a lone LF (" + std::to_string(count) +
          " times): the component ends lines at CR or CR LF only, so those lines run together as one");
  }

  // The next line as the loader sees it; false at the end or where the load would
  // end the file (a marker on the last line).
  bool NextText(std::string& text) {
    while (!lines_.AtEnd()) {
      std::string_view raw = lines_.Next();
      if (plain_source_) {
        line_ = lines_.LineNumber();
        text = Cp1252ToUtf8(calparams::WorkingCopyLine(raw));
        return true;
      }
      if (raw == kScrambledMarker) {
        scrambled_ = true;
        ++marker_lines_;
        if (lines_.AtEnd()) {
          line_ = lines_.LineNumber() - marker_lines_ + 1;
          Stop("the marker \"PCA Set\" is the last line: the load stops (error 62, input past end of file)");
          return false;
        }
        raw = lines_.Next();
      }
      line_ = lines_.LineNumber() - marker_lines_;
      if (!scrambled_) {
        text = Cp1252ToUtf8(raw);
        return true;
      }
      try {
        text = DecryptString(raw);
        return true;
      } catch (const vx4820cal::Error&) {
        Stop("a line after the marker \"PCA Set\" that is not scrambled text: the load stops (error 13)");
      }
    }
    return false;
  }

  void Take(std::string_view text, const ParsedLine& line) {
    switch (line.kind) {
      case LineKind::kSectionHeader:
        state_.EnterSection(line.name);
        conditions_.reset();
        section_line_ = line_;
        break;
      case LineKind::kHeaderKey: TakeKey(text, line); break;
      case LineKind::kBlank: break;
      case LineKind::kParameter: TakeParameter(line); break;
      case LineKind::kInvalid: TakeInvalid(text); break;
    }
  }

  void TakeKey(std::string_view text, const ParsedLine& line) {
    conditions_.reset();
    CheckKeyIsMeant(text, line);
    try {
      state_.Apply(line.key, line.value);
    } catch (const vx4820cal::Error& error) {
      Stop(KeyName(line.key) + " \"" + line.value +
           "\" is not a whole number from -32768 to 32767: the load stops (error " + std::to_string(error.Number()) +
           ", " + RuntimeErrorText(error.Number()) + ")");
    }
  }

  // A key word inside a parameter's name or value turns the line into that key.
  void CheckKeyIsMeant(std::string_view text, const ParsedLine& line) {
    std::string key = KeyName(line.key);
    if (!line.has_equals) {
      Warning("a line without \"=\" that holds the key word \"" + key + "\": it sets " + key + " to \"" + line.value +
              "\"");
      return;
    }
    std::string name = Trim(text.substr(0, text.find('=')));
    if (EqualsNoCase(name, key)) return;
    for (const char* other : calparams::kHeaderKeyNames) {
      if (EqualsNoCase(name, other)) {
        Warning("read as " + key + ", not as " + other + ": the line holds the key word \"" + key +
                "\", which is tested first; it sets " + key + " to \"" + line.value + "\"");
        return;
      }
    }
    Warning("the parameter \"" + name + "\" is read as the header key " + key + " (its line holds the key word \"" +
            key + "\"): it sets " + key + " to \"" + line.value + "\" and makes no record");
  }

  void TakeParameter(const ParsedLine& line) {
    if (!conditions_) {
      conditions_ = calparams::MakeConditions(state_.table, state_.bands, state_.models, state_.hw_version_start,
                                              state_.hw_version_stop, state_.radio_options);
    }
    if (!clsCalibrationParameter::Accepts(conditions_.get(), line.name, line.value)) {
      Error("the record refuses this line (\"Invalid Parameter Data\"): " + RefusalOf(state_, line));
      return;
    }
    result_.records.push_back({line_, section_line_, line.name, line.value, conditions_});
  }

  void TakeInvalid(std::string_view text) {
    std::string hint;
    if (std::string_view trimmed = TrimView(text); !trimmed.empty() && trimmed.front() == '[') {
      hint = ": a section header must begin with \"[\" in the first column";
    } else if (text.find('\t') != std::string_view::npos && text.find_first_not_of(" \t") == std::string_view::npos) {
      hint = ": a tab is not blank to the component";
    }
    Stop(
        "neither a section header, a header key, a blank line nor a parameter: the load stops (\"Invalid "
        "Parameters File Format\")" +
        hint);
  }

  std::string_view bytes_;
  LineReader lines_;
  bool plain_source_;
  bool scrambled_ = false;
  size_t marker_lines_ = 0;
  size_t line_ = 0;
  size_t section_line_ = 0;
  calparams::SectionState state_;
  std::shared_ptr<const calparams::ParameterConditions> conditions_;
  LintResult result_;
};

}  // namespace

LintResult ScanParametersFile(std::string_view bytes, bool plain_source) { return Scanner(bytes, plain_source).Run(); }

}  // namespace vx4820cal::cli
