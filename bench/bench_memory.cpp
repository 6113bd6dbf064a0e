// Memory of a loaded store, measured in a process of its own (the memory probe) so
// that nothing else of this run counts.
#include <map>
#include <sstream>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "bench/process_run.h"

namespace vx4820cal::bench {
namespace {

std::map<std::string, double> ProbeValues(const std::string& output) {
  std::map<std::string, double> values;
  std::istringstream lines(output);
  std::string name;
  double value = 0;
  while (lines >> name >> value) values[name] = value;
  return values;
}

void LoadedStoreMemory(benchmark::State& state, int64_t lines) {
  const InputFile& input = ParametersInput(static_cast<size_t>(lines));
  std::map<std::string, double> values;
  Guarded(state, [&] {
    for (auto _ : state) {
      ProcessResult probe = RunProcess({VX4820CAL_MEMORY_PROBE, input.folder.string()}, true);
      Check(probe.status == 0, "the memory probe failed");
      values = ProbeValues(probe.out);
    }
  });
  state.counters["peak_MiB"] = values["peak_kib"] / 1024;
  state.counters["held_MiB"] = values["held_kib"] / 1024;
  state.counters["records"] = values["records"];
}

}  // namespace

void RegisterMemoryBenchmarks(int64_t size) {
  benchmark::RegisterBenchmark(SizedName("loaded_store_memory", size).c_str(), LoadedStoreMemory, size)
      ->Iterations(1)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace vx4820cal::bench
