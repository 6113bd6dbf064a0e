#pragma once
// What the benchmark bodies share: the names they register under, manual timing of
// one step, and errors turned into a skipped benchmark instead of an abort.
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdint>
#include <exception>
#include <string>

#include "bench/generator.h"
#include "vx4820cal/error.h"

namespace vx4820cal::bench {

// "<figure>/<size>", the name the summary finds a figure by.
inline std::string SizedName(const std::string& figure, int64_t size) { return figure + "/" + std::to_string(size); }
// The same for a file of another shape: "<figure>_<shape>/<size>"; today's shapes keep
// the plain name.
inline std::string ShapedName(const std::string& figure, NameShape shape, int64_t size) {
  return SizedName(shape == NameShape::kRepeated ? figure : figure + "_" + ShapeName(shape), size);
}
inline std::string ShapedName(const std::string& figure, UiTexts texts, int64_t size) {
  return SizedName(texts == UiTexts::kUsual ? figure : figure + "_" + UiTextsName(texts), size);
}

// CPU time of the calling thread, in seconds: on a shared machine the wall time also
// holds the time other programs had the processor.
inline double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The counter the summary reads a benchmark's own CPU time per iteration from.
inline constexpr const char* kCpuCounter = "cpu_s";

// Times body() alone, in wall and in CPU time: whatever it returns is released after
// the clocks stopped, so tearing down a loaded store or collection is not counted.
template <class Body>
void TimeEachIteration(benchmark::State& state, Body body) {
  double cpu = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    double cpu_start = ThreadCpuSeconds();
    auto kept = body();
    cpu += ThreadCpuSeconds() - cpu_start;
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    benchmark::DoNotOptimize(kept);
  }
  state.counters[kCpuCounter] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

// Runs a benchmark body; an error of the component or a failed check skips the
// benchmark with its message.
template <class Body>
void Guarded(benchmark::State& state, Body body) {
  try {
    body();
  } catch (const Error& error) {
    state.SkipWithError(("error " + std::to_string(error.Number()) + ": " + error.Description()).c_str());
  } catch (const std::exception& error) {
    state.SkipWithError(error.what());
  }
}

// Fails the benchmark (through Guarded) when a result is not what it must be.
struct CheckFailed : std::exception {
  explicit CheckFailed(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  std::string message_;
};
inline void Check(bool holds, const std::string& message) {
  if (!holds) throw CheckFailed(message);
}

// Registration, by input size where the benchmark reads a generated file.
void RegisterReferenceBenchmarks(int64_t size);
void RegisterShapeReferenceBenchmarks(NameShape shape, int64_t size);
void RegisterUiReferenceBenchmark(UiTexts texts, int64_t size);
void RegisterParameterBenchmarks(int64_t size);
void RegisterShapeLoadBenchmarks(NameShape shape, int64_t size);
void RegisterLookupBenchmarks(int64_t size);
void RegisterShapeLookupBenchmarks(NameShape shape, int64_t size);
void RegisterUiBenchmarks(UiTexts texts, int64_t size);
void RegisterFreshProcessBenchmarks(NameShape shape, int64_t size);
// Loads of working copies of a gigabyte (opt-in: they write 2 GiB to the temporary
// folder).
void RegisterLargeLoadBenchmarks();
// The tool's `bands` and `ui dump` in a process of their own.
void RegisterBandsProcessBenchmarks(NameShape shape, int64_t size);
void RegisterUiDumpProcessBenchmarks(UiTexts texts, int64_t size);
// params lint of many sections of one name, beside the load of the same file.
void RegisterLintProcessBenchmarks();
void RegisterSampleReferenceBenchmark();
void RegisterScramblingBenchmarks();
void RegisterTierBenchmarks();

}  // namespace vx4820cal::bench
