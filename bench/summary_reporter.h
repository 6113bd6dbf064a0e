#pragma once
// Prints every run as the console reporter does and, at the end, one table: each
// figure's median over the repetitions, its spread (lowest to highest), the median of
// `wc -l` on the same file, their ratio, and the target with its verdict.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace vx4820cal::bench {

class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& reports) override;
  void Finalize() override;

 private:
  struct Samples {
    std::vector<double> seconds;      // wall time per iteration, one per repetition
    std::vector<double> cpu_seconds;  // CPU time per iteration of the thread that did the work
    std::map<std::string, std::vector<double>> counters;
    std::string error;
  };
  std::map<std::string, Samples> samples_;  // by registered name
};

}  // namespace vx4820cal::bench
