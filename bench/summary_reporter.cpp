#include "bench/summary_reporter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "bench/bench_support.h"
#include "bench/figures.h"

namespace vx4820cal::bench {
namespace {

struct Spread {
  double median = 0;
  double low = 0;
  double high = 0;
  bool known = false;
};

Spread SpreadOf(std::vector<double> values) {
  Spread spread;
  if (values.empty()) return spread;
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  spread.median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
  spread.low = values.front();
  spread.high = values.back();
  spread.known = true;
  return spread;
}

std::string Format(const char* format, double value, const char* unit) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return std::string(buffer) + unit;
}

std::string Number(double value) { return Format(value < 10 ? "%.2f" : value < 100 ? "%.1f" : "%.0f", value, ""); }

std::string TimeText(double seconds) {
  if (seconds < 1e-6) return Number(seconds * 1e9) + " ns";
  if (seconds < 1e-3) return Number(seconds * 1e6) + " us";
  if (seconds < 1) return Number(seconds * 1e3) + " ms";
  return Number(seconds) + " s";
}

std::string RateText(double bytes_per_second) {
  if (bytes_per_second >= 1e9) return Number(bytes_per_second / 1e9) + " GB/s";
  return Number(bytes_per_second / 1e6) + " MB/s";
}

std::string ValueText(const Figure& figure, double value) {
  switch (figure.measure) {
    case Measure::kTime: return TimeText(value);
    case Measure::kRate: return RateText(value);
    case Measure::kCounter: return Number(value) + (figure.counter.ends_with("MiB") ? " MiB" : "");
  }
  return {};
}

// Rates spread from lowest to highest rate; times and counters likewise.
std::string SpreadText(const Figure& figure, const Spread& spread) {
  return ValueText(figure, spread.low) + " - " + ValueText(figure, spread.high);
}

// "met", "MISSED", "" when the figure has no target, "-" when it cannot be judged.
std::string Verdict(const Target& target, const Spread& value, const Spread& ratio) {
  switch (target.kind) {
    case Target::Kind::kNone: return "";
    case Target::Kind::kRatioAtMost: return !ratio.known ? "-" : ratio.median <= target.limit ? "met" : "MISSED";
    case Target::Kind::kTimeBelow: return !value.known ? "-" : value.median < target.limit ? "met" : "MISSED";
    case Target::Kind::kRateAtLeast: return !value.known ? "-" : value.median >= target.limit ? "met" : "MISSED";
    case Target::Kind::kCounterBelow: return !value.known ? "-" : value.median < target.limit ? "met" : "MISSED";
  }
  return "";
}

// A figure's values, in wall time and in CPU time.
struct Judged {
  Spread wall;  // the figure's value (time, rate or counter), wall clock
  Spread cpu;   // the same on CPU time (not for counters)
  Spread wc_l;  // wc -l on the same file, wall and CPU
  Spread wc_l_cpu;
  Spread wall_ratio;  // time / wc -l time
  Spread cpu_ratio;
};

Spread RatioOf(const Spread& time, const Spread& reference) {
  Spread ratio;
  if (!time.known || !reference.known || reference.median <= 0) return ratio;
  ratio.known = true;
  ratio.median = time.median / reference.median;
  return ratio;
}

// Per repetition: a rate on CPU time is bytes per iteration over CPU seconds.
std::vector<double> CpuRates(const std::vector<double>& rates, const std::vector<double>& wall,
                             const std::vector<double>& cpu) {
  std::vector<double> out;
  for (size_t i = 0; i < rates.size() && i < wall.size() && i < cpu.size(); ++i) {
    if (cpu[i] > 0) out.push_back(rates[i] * wall[i] / cpu[i]);
  }
  return out;
}

}  // namespace

void SummaryReporter::ReportRuns(const std::vector<Run>& reports) {
  ConsoleReporter::ReportRuns(reports);
  for (const Run& run : reports) {
    if (run.run_type != Run::RT_Iteration) continue;
    Samples& samples = samples_[run.run_name.function_name];
    if (run.error_occurred) {
      samples.error = run.error_message;
      continue;
    }
    const auto iterations = static_cast<double>(std::max<int64_t>(run.iterations, 1));
    samples.seconds.push_back(run.real_accumulated_time / iterations);
    auto own_cpu = run.counters.find(kCpuCounter);
    samples.cpu_seconds.push_back(own_cpu != run.counters.end() ? own_cpu->second.value
                                                                : run.cpu_accumulated_time / iterations);
    for (const auto& [name, counter] : run.counters) samples.counters[name].push_back(counter.value);
  }
}

void SummaryReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  char line[640];
  const char* row = "%-44s %-18s %11s  %-23s %11s %10s %8s %8s  %-17s %-7s %s\n";
  out << "\nSummary: medians over the repetitions; spread = lowest - highest; ratio = time / wc -l time on the\n"
         "same file. Targets are judged on wall time (as stated) and on CPU time (what the work itself costs\n"
         "when the machine is shared).\n";
  std::snprintf(line, sizeof line, row, "figure", "size", "wall", "spread (wall)", "cpu", "wc -l", "ratio", "cpu ratio",
                "target", "wall", "cpu");
  out << line;
  int met = 0;
  int met_on_cpu = 0;
  int targets = 0;
  for (const Figure& figure : Figures()) {
    auto found = samples_.find(figure.benchmark);
    if (found == samples_.end()) continue;  // filtered out of this run
    const Samples& samples = found->second;
    Judged judged;
    const Spread wall_time = SpreadOf(samples.seconds);
    const Spread cpu_time = SpreadOf(samples.cpu_seconds);
    const std::vector<double>* counter =
        samples.counters.count(figure.counter) ? &samples.counters.at(figure.counter) : nullptr;
    switch (figure.measure) {
      case Measure::kTime:
        judged.wall = wall_time;
        judged.cpu = cpu_time;
        break;
      case Measure::kRate:
        if (counter) judged.wall = SpreadOf(*counter);
        if (counter) judged.cpu = SpreadOf(CpuRates(*counter, samples.seconds, samples.cpu_seconds));
        break;
      case Measure::kCounter:
        if (counter) judged.wall = SpreadOf(*counter);
        break;
    }
    if (auto ref = samples_.find(figure.reference); ref != samples_.end()) {
      judged.wc_l = SpreadOf(ref->second.seconds);
      judged.wc_l_cpu = SpreadOf(ref->second.cpu_seconds);
    }
    judged.wall_ratio = RatioOf(wall_time, judged.wc_l);
    judged.cpu_ratio = RatioOf(cpu_time, judged.wc_l_cpu);
    const bool failed = !samples.error.empty();
    std::string wall_verdict =
        failed ? "ERROR: " + samples.error : Verdict(figure.target, judged.wall, judged.wall_ratio);
    std::string cpu_verdict = failed || figure.measure == Measure::kCounter
                                  ? wall_verdict
                                  : Verdict(figure.target, judged.cpu, judged.cpu_ratio);
    if (figure.target.kind != Target::Kind::kNone) {
      ++targets;
      met += wall_verdict == "met";
      met_on_cpu += cpu_verdict == "met";
    }
    std::snprintf(line, sizeof line, row, figure.label.c_str(), figure.size.c_str(),
                  judged.wall.known ? ValueText(figure, judged.wall.median).c_str() : "-",
                  judged.wall.known ? SpreadText(figure, judged.wall).c_str() : "-",
                  judged.cpu.known ? ValueText(figure, judged.cpu.median).c_str() : "",
                  judged.wc_l.known ? TimeText(judged.wc_l.median).c_str() : "",
                  judged.wall_ratio.known ? Format("%.2f", judged.wall_ratio.median, "x").c_str() : "",
                  judged.cpu_ratio.known ? Format("%.2f", judged.cpu_ratio.median, "x").c_str() : "",
                  figure.target.text.c_str(), wall_verdict.c_str(), cpu_verdict.c_str());
    out << line;
  }
  out << "\nTargets met: " << met << " of " << targets << " on wall time, " << met_on_cpu << " of " << targets
      << " on CPU time\n";
}

}  // namespace vx4820cal::bench
