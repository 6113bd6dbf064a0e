// Loading in a process of its own (the probe), as at a host's start-up: the memory
// starts untouched, as it does for wc -l. Gives the load's time and what it cost in
// memory; nothing else of this run counts.
#include <map>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "bench/process_run.h"

namespace vx4820cal::bench {
namespace {

void LoadInFreshProcess(benchmark::State& state, const InputFile& input) {
  std::map<std::string, double> values;
  double cpu = 0;
  Guarded(state, [&] {
    for (auto _ : state) {
      ProcessResult probe = RunProcess({VX4820CAL_LOAD_PROBE, input.folder.string()}, true);
      Check(probe.status == 0, "the load probe failed");
      values = ProbeValues(probe.out);
      state.SetIterationTime(values["load_s"]);
      cpu += values["cpu_s"];
    }
  });
  state.counters[kCpuCounter] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
  state.counters["peak_MiB"] = values["peak_kib"] / 1024;
  state.counters["held_MiB"] = values["held_kib"] / 1024;
  state.counters["records"] = values["records"];
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(input.bytes));
}

void LoadShapeInFreshProcess(benchmark::State& state, int64_t lines, NameShape shape) {
  LoadInFreshProcess(state, ParametersInput(static_cast<size_t>(lines), shape));
}

// A working copy of a gigabyte or more: what the load holds at its peak, against the
// file's size.
void LoadLargeInFreshProcess(benchmark::State& state, bool one_value) {
  const InputFile* input = nullptr;
  Guarded(state, [&] { input = &LargeWorkingCopy(uint64_t{1} << 30, one_value); });
  if (input) LoadInFreshProcess(state, *input);
  if (input) state.counters["peak_per_file_byte"] = state.counters["peak_MiB"] * (1 << 20) / double(input->bytes);
}

}  // namespace

void RegisterLargeLoadBenchmarks() {
  for (bool one_value : {false, true}) {
    benchmark::RegisterBenchmark(one_value ? "load_gigabyte_value" : "load_gigabyte_file", LoadLargeInFreshProcess,
                                 one_value)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
}

void RegisterFreshProcessBenchmarks(NameShape shape, int64_t size) {
  benchmark::RegisterBenchmark(ShapedName("load_fresh_process", shape, size).c_str(), LoadShapeInFreshProcess, size,
                               shape)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace vx4820cal::bench
