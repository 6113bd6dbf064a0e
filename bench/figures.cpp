#include "bench/figures.h"

#include <cstdint>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"

namespace vx4820cal::bench {
namespace {

using Kind = Target::Kind;

std::string SizeText(int64_t size) { return size == kLarge ? "1e6" : size == kMedium ? "1e5" : "1e3"; }

void AddParameterFigures(std::vector<Figure>& figures, int64_t size) {
  const bool large = size == kLarge;
  const std::string dat = SizedName("wc_l/parameters_dat", size);
  const std::string ini = SizedName("wc_l/parameters_ini", size);
  const std::string lines = SizeText(size) + " lines";
  figures.push_back({"load working copy, fresh process", lines, SizedName("load_fresh_process", size), dat,
                     Measure::kTime, "", large ? Target{Kind::kRatioAtMost, 15, "<= 15x wc -l"} : Target{}});
  figures.push_back({"  same, repeated in one process", lines, SizedName("load_working_copy", size), dat,
                     Measure::kTime, "", large ? Target{Kind::kRatioAtMost, 15, "<= 15x wc -l"} : Target{}});
  figures.push_back({"18 start-up lookups", lines, SizedName("start_up_lookups", size), dat, Measure::kTime, "",
                     large ? Target{Kind::kTimeBelow, 1e-3, "< 1 ms"} : Target{}});
  figures.push_back({"  same, start-up tables not grown", lines, SizedName("start_up_lookups_fixed_tables", size), "",
                     Measure::kTime, "", Target{}});
  figures.push_back({"  band-limits table (lookups + conversions)", lines, SizedName("band_limits_table", size), "",
                     Measure::kTime, "", Target{}});
  figures.push_back({"regenerate working copy (written)", lines, SizedName("regenerate_working_copy", size), ini,
                     Measure::kRate, "bytes_per_second",
                     large ? Target{Kind::kRateAtLeast, 300e6, ">= 300 MB/s"} : Target{}});
  figures.push_back({"peak memory while loading", lines, SizedName("load_fresh_process", size), "",
                     Measure::kCounter, "peak_MiB", large ? Target{Kind::kCounterBelow, 100, "< 100 MiB"} : Target{}});
  figures.push_back({"  heap allocated, reserve included", lines, SizedName("load_fresh_process", size), "",
                     Measure::kCounter, "held_MiB", Target{}});
}

void AddUiFigures(std::vector<Figure>& figures, int64_t size) {
  figures.push_back({"read UI field file", SizeText(size) + " fields", SizedName("read_ui_fields", size),
                     SizedName("wc_l/ui_fields_dat", size), Measure::kTime, "",
                     size == kMedium ? Target{Kind::kRatioAtMost, 15, "<= 15x wc -l"} : Target{}});
}

void AddScramblingFigures(std::vector<Figure>& figures) {
  for (const char* name : {"encrypt_string", "decrypt_string"}) {
    for (int64_t bytes : {int64_t{4} << 10, int64_t{1} << 20}) {
      const bool long_text = bytes == (int64_t{1} << 20);
      figures.push_back({std::string(name == std::string("encrypt_string") ? "EncryptString" : "DecryptString") +
                             " (plain bytes)",
                         long_text ? "1 MiB" : "4 KiB", SizedName(name, bytes), "", Measure::kRate,
                         "bytes_per_second", long_text ? Target{Kind::kRateAtLeast, 1e9, ">= 1 GB/s"} : Target{}});
    }
  }
}

}  // namespace

std::vector<Figure> Figures() {
  std::vector<Figure> figures;
  for (int64_t size : {kSmall, kMedium, kLarge}) AddParameterFigures(figures, size);
  for (int64_t size : {kSmall, kMedium, kLarge}) AddUiFigures(figures, size);
  AddScramblingFigures(figures);
  figures.push_back({"tier Initialize, simulated host", "sample", "tier_initialize/sample",
                     "wc_l/sample_parameters_dat", Measure::kTime, "", Target{Kind::kTimeBelow, 1e-3, "< 1 ms"}});
  return figures;
}

}  // namespace vx4820cal::bench
