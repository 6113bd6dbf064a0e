// A whole tier Initialize with the sample data and the simulated host, on a new
// thread each time so the field metadata is read as at a real start.
#include <chrono>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "bench/tier_session.h"

namespace vx4820cal::bench {
namespace {

void InitializeTier(benchmark::State& state) {
  const InputFile& sample = SampleDataInput();
  double cpu = 0;
  Guarded(state, [&] {
    for (auto _ : state) {
      StartUp start = StartTierOnFreshThread(sample.folder);
      Check(start.initialized && start.boxes == 0, "Initialize failed: " + start.first_box);
      state.SetIterationTime(std::chrono::duration<double>(start.initialize_time).count());
      cpu += start.initialize_cpu_seconds;
    }
  });
  state.counters[kCpuCounter] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

}  // namespace

void RegisterTierBenchmarks() {
  benchmark::RegisterBenchmark("tier_initialize/sample", InitializeTier)
      ->UseManualTime()
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace vx4820cal::bench
