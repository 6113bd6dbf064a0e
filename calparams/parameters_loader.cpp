#include "calparams/parameters_loader.h"

#include <memory>

#include "calparams/line_format.h"
#include "calparams/parameter_errors.h"
#include "calparams/parameter_store.h"
#include "calparams/section_state.h"
#include "common/codepage.h"
#include "common/common_globals.h"
#include "common/scrambled_text.h"
#include "common/text_file.h"

namespace vx4820cal::calparams {
namespace {

// Reads the lines of a file into a store. A line is decoded into one buffer kept for
// the whole file and classified without copying; only what a record keeps is copied.
class ParameterLineReader {
 public:
  ParameterLineReader(FileLineReader& lines, clsCalibrationParameters& store) : lines_(lines), store_(store) {
    pool_->Expect(lines.SizeBytes() / 512, lines.SizeBytes() / 8);
  }

  void ReadAll() {
    while (!lines_.AtEnd()) {
      std::string_view line = CutComment(NextText());
      Take(line, ParseLineView(line));
    }
  }

 private:
  // The next line as text. A marker line switches the rest of the file to the
  // scrambled form and is replaced by the line after it, which must exist.
  std::string_view NextText() {
    std::string_view raw = lines_.Next();
    if (raw == kScrambledMarker) {
      scrambled_ = true;
      ++marker_lines_;
      raw = lines_.Next();
    }
    if (scrambled_) {
      DecryptInto(raw, text_);
    } else {
      text_ = Cp1252ToUtf8(raw);
    }
    lines_.DoneWithLine();
    return text_;
  }

  void Take(std::string_view text, const ParsedLineView& line) {
    switch (line.kind) {
      case LineKind::kSectionHeader:
        state_.EnterSection(TableNameOf(text));
        conditions_.reset();
        break;
      case LineKind::kHeaderKey:
        state_.Apply(line.key, std::string(line.value));
        conditions_.reset();
        break;
      case LineKind::kBlank: break;
      case LineKind::kParameter: AddRecord(line.name, line.value); break;
      case LineKind::kInvalid: throw ParameterError(kInvalidFileFormat);
    }
  }

  void AddRecord(std::string_view name, std::string_view value) {
    if (!conditions_) {
      conditions_ = MakeConditions(state_.table, state_.bands, state_.models, state_.hw_version_start,
                                   state_.hw_version_stop, state_.radio_options, pool_);
    }
    // Line numbers as in the plain source: marker lines are not counted.
    clsCalibrationParameter record(lines_.LineNumber() - marker_lines_);
    record.SetParameterInformation(conditions_, name, value, separator_);
    store_.Append(std::move(record));
  }

  FileLineReader& lines_;
  clsCalibrationParameters& store_;
  SectionState state_;
  std::shared_ptr<const ParameterConditions> conditions_;  // of state_, built on first use
  std::shared_ptr<TextPool> pool_ = std::make_shared<TextPool>();
  DecimalSeparatorOnce separator_;
  std::string text_;
  bool scrambled_ = false;
  size_t marker_lines_ = 0;
};

}  // namespace

void ReadParametersFile(const std::filesystem::path& path, clsCalibrationParameters& store) {
  FileLineReader lines(path);
  // A scrambled parameter line takes some 40 bytes and a section some 20 lines: a
  // rough guess, only used to pick block sizes.
  store.ExpectRecords(lines.SizeBytes() / 32);
  ParameterLineReader(lines, store).ReadAll();
}

}  // namespace vx4820cal::calparams
