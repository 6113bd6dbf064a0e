// The benchmark program: registers every benchmark, generates the inputs as the
// benchmarks first need them and ends with the summary table.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

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
    RegisterUiReferenceBenchmark(UiTexts::kUsual, size);
    RegisterUiBenchmarks(UiTexts::kUsual, size);
    RegisterUiDumpProcessBenchmarks(UiTexts::kUsual, size);
    RegisterFreshProcessBenchmarks(NameShape::kRepeated, size);
  }
  RegisterBandsProcessBenchmarks(NameShape::kRepeated, kLarge);
  RegisterLintProcessBenchmarks();
  // The other shapes of file, at a million lines (UI fields: long texts at 1e5 only,
  // a million of them would be close to a gigabyte).
  for (NameShape shape : kNameShapes) {
    if (shape == NameShape::kRepeated) continue;
    RegisterShapeReferenceBenchmarks(shape, kLarge);
    RegisterShapeLoadBenchmarks(shape, kLarge);
    RegisterFreshProcessBenchmarks(shape, kLarge);
    RegisterShapeLookupBenchmarks(shape, kLarge);
    RegisterBandsProcessBenchmarks(shape, kLarge);
  }
  for (auto [texts, size] : {std::pair{UiTexts::kShort, kMedium}, std::pair{UiTexts::kShort, kLarge},
                             std::pair{UiTexts::kLong, kMedium}, std::pair{UiTexts::kPlain, kMedium}}) {
    RegisterUiReferenceBenchmark(texts, size);
    RegisterUiBenchmarks(texts, size);
    RegisterUiDumpProcessBenchmarks(texts, size);
  }
  if (const char* large = std::getenv("GIGABYTE"); large && std::string(large) == "1") RegisterLargeLoadBenchmarks();
  RegisterScramblingBenchmarks();
  RegisterSampleReferenceBenchmark();
  RegisterTierBenchmarks();
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
