#include "calparams/parameters_loader.h"

#include <memory>

#include "calparams/calibration_parameters.h"
#include "calparams/parameter_errors.h"
#include "calparams/parameter_line_walker.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::calparams {
namespace {

// The loader's handling of the walked lines: a parameter line becomes a record, a
// line that cannot be read stops the load with its error.
class RecordStoringHandler : public ParameterLineHandler {
 public:
  explicit RecordStoringHandler(clsCalibrationParameters& store) : store_(store) {}

  void OnMarkerAtEnd(const WalkedLine&) override { throw RuntimeError(err::kInputPastEndOfFile); }
  void OnUndecodable(const WalkedLine&, const Error& error) override { throw error; }
  void OnBadVersion(const WalkedLine&, const ParsedLineView&, const Error& error) override { throw error; }
  void OnInvalid(const WalkedLine&) override { throw ParameterError(kInvalidFileFormat); }

  void OnParameter(const WalkedLine& line, const ParsedLineView& parsed, const SharedConditions& conditions,
                   const SectionState&) override {
    // Line numbers as in the plain source: marker lines are not counted.
    clsCalibrationParameter record(line.source_line);
    record.SetParameterInformation(conditions, parsed.name, parsed.value, separator_);
    store_.Append(std::move(record));
  }

 private:
  clsCalibrationParameters& store_;
  DecimalSeparatorOnce separator_;
};

}  // namespace

void ReadParametersFile(const std::filesystem::path& path, clsCalibrationParameters& store) {
  FileLineReader lines(path);
  // A scrambled parameter line takes some 40 bytes and a section some 20 lines: a
  // rough guess, only used to pick block sizes.
  store.ExpectRecords(lines.SizeBytes() / 32);
  PoolRef<TextPool> pool(new TextPool);
  pool->Expect(lines.SizeBytes() / 512, lines.SizeBytes() / 8);
  RecordStoringHandler handler(store);
  ParameterLineWalker(lines, handler, pool).Walk();
}

}  // namespace vx4820cal::calparams
