#pragma once
// The figures the summary prints: which benchmark gives each, the `wc -l` benchmark
// on the same file it is compared with, and the target where there is one.
#include <string>
#include <vector>

namespace vx4820cal::bench {

enum class Measure {
  kTime,     // wall time per iteration
  kRate,     // bytes per second (the benchmark's SetBytesProcessed)
  kCounter,  // a user counter, e.g. peak_MiB
};

struct Target {
  enum class Kind { kNone, kRatioAtMost, kTimeBelow, kRateAtLeast, kCounterBelow };
  Kind kind = Kind::kNone;
  double limit = 0;  // times wc -l, seconds, bytes per second, or the counter's unit
  std::string text;  // as the issue states it
};

struct Figure {
  std::string label;
  std::string size;       // what the size column shows
  std::string benchmark;  // the benchmark's registered name
  std::string reference;  // the wc -l benchmark on the same file; empty: none
  Measure measure = Measure::kTime;
  std::string counter;  // kRate: "bytes_per_second"; kCounter: its name
  Target target;
};

std::vector<Figure> Figures();

}  // namespace vx4820cal::bench
