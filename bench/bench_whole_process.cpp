// The tool as a user meets it: `vx4820cal bands` and `vx4820cal ui dump` in a new
// process each, measured by the run probe (wall and CPU time, peak memory).
#include <map>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "bench/process_run.h"

namespace vx4820cal::bench {
namespace {

// Runs the tool with `arguments` on the component folder of `input`; besides the
// times, peak_MiB and the peak beyond the file's size per `items` (bytes_per_item).
void RunTool(benchmark::State& state, const InputFile& input, const std::vector<std::string>& arguments, size_t items) {
  std::vector<std::string> command = {VX4820CAL_RUN_PROBE, VX4820CAL_TOOL};
  command.insert(command.end(), arguments.begin(), arguments.end());
  command.insert(command.end(), {"--dir", input.folder.string()});
  std::map<std::string, double> values;
  double cpu = 0;
  Guarded(state, [&] {
    for (auto _ : state) {
      ProcessResult run = RunProcess(command, true);
      Check(run.status == 0, "the tool failed");
      values = ProbeValues(run.out);
      state.SetIterationTime(values["wall_s"]);
      cpu += values["cpu_s"];
    }
  });
  const double peak_bytes = values["peak_kib"] * 1024;
  state.counters[kCpuCounter] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
  state.counters["peak_MiB"] = peak_bytes / (1 << 20);
  state.counters["bytes_per_item"] = (peak_bytes - static_cast<double>(input.bytes)) / static_cast<double>(items);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(input.bytes));
}

void Bands(benchmark::State& state, int64_t lines, NameShape shape) {
  RunTool(state, ParametersInput(static_cast<size_t>(lines), shape), {"bands"}, static_cast<size_t>(lines));
}

void UiDump(benchmark::State& state, int64_t fields, UiTexts texts) {
  RunTool(state, UiFieldInput(static_cast<size_t>(fields), texts), {"ui", "dump"}, static_cast<size_t>(fields));
}

// params lint against the load of the same file (params table, one lookup).
void LintOneName(benchmark::State& state, int64_t sections) {
  RunTool(state, OneNameInput(static_cast<size_t>(sections)), {"params", "lint"}, static_cast<size_t>(sections));
}

void LoadOneName(benchmark::State& state, int64_t sections) {
  RunTool(state, OneNameInput(static_cast<size_t>(sections)),
          {"params", "table", "--table", "T", "--band", "B0", "--model", "M", "--hw", "0", "--option", "O"},
          static_cast<size_t>(sections));
}

}  // namespace

void RegisterLintProcessBenchmarks() {
  // Six lines a section: the last size is a million-line file.
  for (int64_t sections : {int64_t{10000}, int64_t{100000}, int64_t{166667}}) {
    using Body = void (*)(benchmark::State&, int64_t);
    for (auto [figure, body] : {std::pair<std::string, Body>{"lint_process/one_name/", LintOneName},
                                std::pair<std::string, Body>{"load_process/one_name/", LoadOneName}}) {
      benchmark::RegisterBenchmark((figure + std::to_string(sections)).c_str(), body, sections)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond)
          ->Iterations(1);
    }
  }
}

void RegisterBandsProcessBenchmarks(NameShape shape, int64_t size) {
  benchmark::RegisterBenchmark(ShapedName("bands_process", shape, size).c_str(), Bands, size, shape)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

void RegisterUiDumpProcessBenchmarks(UiTexts texts, int64_t size) {
  benchmark::RegisterBenchmark(ShapedName("ui_dump_process", texts, size).c_str(), UiDump, size, texts)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace vx4820cal::bench
