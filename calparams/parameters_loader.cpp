#include "calparams/parameters_loader.h"

#include <algorithm>
#include <memory>

#include "calparams/line_format.h"
#include "calparams/parameter_errors.h"
#include "calparams/parameter_store.h"
#include "calparams/section_state.h"
#include "tier/codepage.h"
#include "tier/common_globals.h"
#include "tier/text_file.h"

namespace vx4820cal::calparams {
namespace {

class ParameterLineReader {
 public:
  ParameterLineReader(std::string_view bytes, clsCalibrationParameters& store) : lines_(bytes), store_(store) {}

  void ReadAll() {
    while (!lines_.AtEnd()) Take(ParseLine(CutComment(NextText())));
  }

 private:
  // The next line as text. A marker line switches the rest of the file to the
  // scrambled form and is replaced by the line after it, which must exist.
  std::string NextText() {
    std::string_view raw = lines_.Next();
    if (raw == kScrambledMarker) {
      scrambled_ = true;
      ++marker_lines_;
      raw = lines_.Next();
    }
    return scrambled_ ? DecryptString(raw) : Cp1252ToUtf8(raw);
  }

  void Take(ParsedLine line) {
    switch (line.kind) {
      case LineKind::kSectionHeader:
        state_.EnterSection(std::move(line.name));
        conditions_.reset();
        break;
      case LineKind::kHeaderKey:
        state_.Apply(line.key, line.value);
        conditions_.reset();
        break;
      case LineKind::kBlank: break;
      case LineKind::kParameter: AddRecord(std::move(line.name), line.value); break;
      case LineKind::kInvalid: throw ParameterError(kInvalidFileFormat);
    }
  }

  void AddRecord(std::string name, std::string& value) {
    if (!conditions_) {
      conditions_ = MakeConditions(state_.table, state_.bands, state_.models, state_.hw_version_start,
                                   state_.hw_version_stop, state_.radio_options);
    }
    // Line numbers as in the plain source: marker lines are not counted.
    clsCalibrationParameter record(lines_.LineNumber() - marker_lines_);
    record.SetParameterInformation(conditions_, std::move(name), value);
    store_.Append(std::move(record));
  }

  LineReader lines_;
  clsCalibrationParameters& store_;
  SectionState state_;
  std::shared_ptr<const ParameterConditions> conditions_;  // of state_, built on first use
  bool scrambled_ = false;
  size_t marker_lines_ = 0;
};

}  // namespace

void ReadParameterLines(std::string_view bytes, clsCalibrationParameters& store) {
  // Every line ends at a CR but the last: room for as many records as lines, so a
  // large file is not moved again and again while it grows.
  store.Reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\r')) + 1);
  ParameterLineReader(bytes, store).ReadAll();
}

}  // namespace vx4820cal::calparams
