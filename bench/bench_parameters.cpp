// Loading the scrambled working copy, and regenerating it from the plain source.
#include <filesystem>
#include <memory>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "calparams/calibration_parameters.h"
#include "calparams/working_copy.h"
#include "vx4820cal/component.h"

namespace vx4820cal::bench {
namespace {

// All records in memory, ready for lookups: LoadFile of a working copy that is up to
// date, so nothing is regenerated.
void LoadWorkingCopy(benchmark::State& state, int64_t lines, NameShape shape) {
  const InputFile& input = ParametersInput(static_cast<size_t>(lines), shape);
  SetThreadComponentFolder(input.folder);
  size_t records = 0;
  Guarded(state, [&] {
    TimeEachIteration(state, [&] {
      auto store = std::make_shared<clsCalibrationParameters>();
      Check(store->LoadFile("PARAMETERS"), "the load failed");
      records = store->Records().size();
      return store;
    });
  });
  SetThreadComponentFolder({});
  state.counters["records"] = static_cast<double>(records);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(input.bytes));
}

// The whole regeneration: read the source, scramble every line, write the working
// copy beside it durably and rename it into place. Bytes are those written.
void RegenerateWorkingCopy(benchmark::State& state, int64_t lines) {
  const InputFile& source = ParametersSource(static_cast<size_t>(lines));
  std::filesystem::path target = NewScratchFolder() / "PARAMETERS.dat";
  Guarded(state, [&] {
    for (auto _ : state) calparams::RegenerateWorkingCopy(source.path, target);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(target)));
  });
}

}  // namespace

void RegisterShapeLoadBenchmarks(NameShape shape, int64_t size) {
  benchmark::RegisterBenchmark(ShapedName("load_working_copy", shape, size).c_str(), LoadWorkingCopy, size, shape)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

void RegisterParameterBenchmarks(int64_t size) {
  RegisterShapeLoadBenchmarks(NameShape::kRepeated, size);
  benchmark::RegisterBenchmark(SizedName("regenerate_working_copy", size).c_str(), RegenerateWorkingCopy, size)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace vx4820cal::bench
