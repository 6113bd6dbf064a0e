#include "bench/summary_reporter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

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

// "met", "MISSED" or "" when the figure has no target.
std::string Verdict(const Target& target, double value, double ratio) {
  switch (target.kind) {
    case Target::Kind::kNone: return "";
    case Target::Kind::kRatioAtMost: return ratio <= target.limit ? "met" : "MISSED";
    case Target::Kind::kTimeBelow: return value < target.limit ? "met" : "MISSED";
    case Target::Kind::kRateAtLeast: return value >= target.limit ? "met" : "MISSED";
    case Target::Kind::kCounterBelow: return value < target.limit ? "met" : "MISSED";
  }
  return "";
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
    samples.seconds.push_back(run.real_accumulated_time / static_cast<double>(std::max<int64_t>(run.iterations, 1)));
    for (const auto& [name, counter] : run.counters) samples.counters[name].push_back(counter.value);
  }
}

void SummaryReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  char line[512];
  const char* row = "%-44s %-12s %12s  %-25s %10s %8s  %-14s %s\n";
  out << "\nSummary (medians over the repetitions; spread = lowest - highest; ratio = time / wc -l time)\n";
  std::snprintf(line, sizeof line, row, "figure", "size", "median", "spread", "wc -l", "ratio", "target", "verdict");
  out << line;
  int met = 0;
  int targets = 0;
  for (const Figure& figure : Figures()) {
    auto found = samples_.find(figure.benchmark);
    if (found == samples_.end()) continue;  // filtered out of this run
    const Samples& samples = found->second;
    Spread time = SpreadOf(samples.seconds);
    Spread value = figure.measure == Measure::kTime ? time : SpreadOf(samples.counters.count(figure.counter)
                                                                           ? samples.counters.at(figure.counter)
                                                                           : std::vector<double>{});
    Spread reference;
    if (auto ref = samples_.find(figure.reference); ref != samples_.end()) reference = SpreadOf(ref->second.seconds);
    const bool has_ratio = reference.known && time.known && reference.median > 0;
    const double ratio = has_ratio ? time.median / reference.median : 0;
    std::string verdict = samples.error.empty() && value.known ? Verdict(figure.target, value.median, ratio)
                                                               : "ERROR: " + samples.error;
    if (figure.target.kind != Target::Kind::kNone) {
      ++targets;
      if (verdict == "met") ++met;
    }
    std::snprintf(line, sizeof line, row, figure.label.c_str(), figure.size.c_str(),
                  value.known ? ValueText(figure, value.median).c_str() : "-",
                  value.known ? SpreadText(figure, value).c_str() : "-",
                  reference.known ? TimeText(reference.median).c_str() : "",
                  has_ratio ? Format("%.2f", ratio, "x").c_str() : "", figure.target.text.c_str(), verdict.c_str());
    out << line;
  }
  out << "\nTargets met: " << met << " of " << targets << "\n";
}

}  // namespace vx4820cal::bench
