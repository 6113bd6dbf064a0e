// `wc -l` on every input file: the reference each figure is compared with, measured
// in the same run on the same (cached) file.
#include <sys/resource.h>

#include <map>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "bench/process_run.h"

namespace vx4820cal::bench {
namespace {

// CPU time of the children waited for so far, in seconds.
double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The CPU counter is wc's own CPU time, not that of starting it.
void CountLines(benchmark::State& state, const InputFile& input) {
  Guarded(state, [&] {
    const double cpu_before = ChildrenCpuSeconds();
    for (auto _ : state) Check(RunProcess({"wc", "-l", input.path.string()}, false).status == 0, "wc -l failed");
    state.counters[kCpuCounter] =
        benchmark::Counter(ChildrenCpuSeconds() - cpu_before, benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(input.bytes));
  });
}

using InputOfSize = const InputFile& (*)(size_t);

void CountLinesOf(benchmark::State& state, InputOfSize input, int64_t size) {
  CountLines(state, input(static_cast<size_t>(size)));
}

const InputFile& WorkingCopyOfSize(size_t lines) { return ParametersInput(lines); }
template <NameShape shape>
const InputFile& WorkingCopyOfShape(size_t lines) {
  return ParametersInput(lines, shape);
}
template <UiTexts texts>
const InputFile& UiFieldsOfTexts(size_t fields) {
  return UiFieldInput(fields, texts);
}
const InputFile& SampleWorkingCopy(size_t) { return SampleDataInput(); }

void RegisterNamed(const std::string& name, InputOfSize input, int64_t size) {
  benchmark::RegisterBenchmark(name.c_str(), CountLinesOf, input, size)->UseRealTime()->Unit(benchmark::kMillisecond);
}

void Register(const std::string& file, InputOfSize input, int64_t size) {
  benchmark::RegisterBenchmark(SizedName("wc_l/" + file, size).c_str(), CountLinesOf, input, size)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

void RegisterReferenceBenchmarks(int64_t size) {
  Register("parameters_dat", WorkingCopyOfSize, size);
  Register("parameters_ini", ParametersSource, size);
}

void RegisterShapeReferenceBenchmarks(NameShape shape, int64_t size) {
  static const std::map<NameShape, InputOfSize> kInputs = {
      {NameShape::kRepeated, WorkingCopyOfShape<NameShape::kRepeated>},
      {NameShape::kDistinct, WorkingCopyOfShape<NameShape::kDistinct>},
      {NameShape::kShortSections, WorkingCopyOfShape<NameShape::kShortSections>},
      {NameShape::kLongSections, WorkingCopyOfShape<NameShape::kLongSections>},
      {NameShape::kLongLists, WorkingCopyOfShape<NameShape::kLongLists>}};
  RegisterNamed(ShapedName("wc_l/parameters_dat", shape, size), kInputs.at(shape), size);
}

void RegisterUiReferenceBenchmark(UiTexts texts, int64_t size) {
  static const std::map<UiTexts, InputOfSize> kInputs = {{UiTexts::kUsual, UiFieldsOfTexts<UiTexts::kUsual>},
                                                         {UiTexts::kShort, UiFieldsOfTexts<UiTexts::kShort>},
                                                         {UiTexts::kLong, UiFieldsOfTexts<UiTexts::kLong>},
                                                         {UiTexts::kPlain, UiFieldsOfTexts<UiTexts::kPlain>}};
  RegisterNamed(ShapedName("wc_l/ui_fields_dat", texts, size), kInputs.at(texts), size);
}

void RegisterSampleReferenceBenchmark() {
  benchmark::RegisterBenchmark("wc_l/sample_parameters_dat", CountLinesOf, SampleWorkingCopy, int64_t{0})
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace vx4820cal::bench
