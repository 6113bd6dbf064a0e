// The benchmark program: registers every benchmark, generates the inputs as the
// benchmarks first need them and ends with the summary table.
#include <benchmark/benchmark.h>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "bench/summary_reporter.h"

int main(int argc, char** argv) {
  using namespace vx4820cal::bench;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Each figure is registered right after the wc -l it is compared with, so that the
  // two run close together in time.
  for (int64_t size : {kSmall, kMedium, kLarge}) {
    RegisterReferenceBenchmarks(size);
    RegisterParameterBenchmarks(size);
    RegisterLookupBenchmarks(size);
    RegisterUiBenchmarks(size);
    RegisterFreshProcessBenchmarks(size);
  }
  RegisterScramblingBenchmarks();
  RegisterSampleReferenceBenchmark();
  RegisterTierBenchmarks();
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
