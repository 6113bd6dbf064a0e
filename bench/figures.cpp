#include "bench/figures.h"

#include <cstdint>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"

namespace vx4820cal::bench {
namespace {

using Kind = Target::Kind;

std::string SizeText(int64_t size) { return size == kLarge ? "1e6" : size == kMedium ? "1e5" : "1e3"; }

// A million-line file of any shape: loaded (new process, repeated in one), looked up at
// start-up, its memory, and the tool's bands command on it.
void AddLoadFigures(std::vector<Figure>& figures, NameShape shape, int64_t size) {
  const bool large = size == kLarge;
  const std::string dat = ShapedName("wc_l/parameters_dat", shape, size);
  const std::string lines = SizeText(size) + " " + ShapeName(shape);
  const double memory = shape == NameShape::kDistinct ? 96 : 64;
  figures.push_back({"load working copy, fresh process", lines, ShapedName("load_fresh_process", shape, size), dat,
                     Measure::kTime, "", large ? Target{Kind::kRatioAtMost, 10, "<= 10x wc -l"} : Target{}});
  figures.push_back({"  same, repeated in one process", lines, ShapedName("load_working_copy", shape, size), dat,
                     Measure::kTime, "", large ? Target{Kind::kRatioAtMost, 15, "<= 15x wc -l"} : Target{}});
  figures.push_back({"18 start-up lookups", lines, ShapedName("start_up_lookups", shape, size), dat, Measure::kTime, "",
                     large ? Target{Kind::kTimeBelow, 1e-3, "< 1 ms"} : Target{}});
  figures.push_back(
      {"peak memory while loading", lines, ShapedName("load_fresh_process", shape, size), "", Measure::kCounter,
       "peak_MiB",
       large ? Target{Kind::kCounterBelow, memory, "< " + std::to_string(int(memory)) + " MiB"} : Target{}});
  figures.push_back({"  heap allocated, reserve included", lines, ShapedName("load_fresh_process", shape, size), "",
                     Measure::kCounter, "held_MiB", Target{}});
  if (!large) return;
  // A plain loader that scans every record for each lookup takes 3 s or more here.
  figures.push_back({"vx4820cal bands, whole process", lines, ShapedName("bands_process", shape, size), dat,
                     Measure::kTime, "", Target{Kind::kTimeBelow, 0.2, "< 200 ms (3 s/15)"}});
  figures.push_back({"  its peak memory", lines, ShapedName("bands_process", shape, size), "", Measure::kCounter,
                     "peak_MiB", Target{}});
}

void AddParameterFigures(std::vector<Figure>& figures, int64_t size) {
  const bool large = size == kLarge;
  const std::string lines = SizeText(size) + " lines";
  AddLoadFigures(figures, NameShape::kRepeated, size);
  figures.push_back({"  start-up lookups, start-up tables not grown", lines,
                     SizedName("start_up_lookups_fixed_tables", size), "", Measure::kTime, "", Target{}});
  figures.push_back({"  band-limits table (lookups + conversions)", lines, SizedName("band_limits_table", size), "",
                     Measure::kTime, "", Target{}});
  figures.push_back({"regenerate working copy (written)", lines, SizedName("regenerate_working_copy", size),
                     SizedName("wc_l/parameters_ini", size), Measure::kRate, "bytes_per_second",
                     large ? Target{Kind::kRateAtLeast, 300e6, ">= 300 MB/s"} : Target{}});
}

void AddUiFigures(std::vector<Figure>& figures, UiTexts texts, int64_t size) {
  const std::string fields = SizeText(size) + " " + UiTextsName(texts);
  const std::string wc_l = ShapedName("wc_l/ui_fields_dat", texts, size);
  const std::string dump = ShapedName("ui_dump_process", texts, size);
  const bool medium = size == kMedium;
  figures.push_back({"read UI field file, in one process", fields, ShapedName("read_ui_fields", texts, size), wc_l,
                     Measure::kTime, "", medium ? Target{Kind::kRatioAtMost, 15, "<= 15x wc -l"} : Target{}});
  figures.push_back({"vx4820cal ui dump, whole process", fields, dump, wc_l, Measure::kTime, "",
                     medium ? Target{Kind::kRatioAtMost, 15, "<= 15x wc -l"} : Target{}});
  if (size == kLarge) {
    figures.push_back({"  same, against 1e5 fields (wc -l column)", fields, dump,
                       ShapedName("ui_dump_process", texts, kMedium), Measure::kTime, "",
                       Target{Kind::kRatioAtMost, 10, "<= 10x 1e5"}});
  }
  figures.push_back({"  peak memory", fields, dump, "", Measure::kCounter, "peak_MiB", Target{}});
  figures.push_back({"  peak beyond the file, bytes per field", fields, dump, "", Measure::kCounter, "bytes_per_item",
                     size == kLarge ? Target{Kind::kCounterBelow, 150, "< 150"} : Target{}});
}

void AddScramblingFigures(std::vector<Figure>& figures) {
  for (const char* name : {"encrypt_string", "decrypt_string"}) {
    for (int64_t bytes : {int64_t{4} << 10, int64_t{1} << 20}) {
      const bool long_text = bytes == (int64_t{1} << 20);
      figures.push_back(
          {std::string(name == std::string("encrypt_string") ? "EncryptString" : "DecryptString") + " (plain bytes)",
           long_text ? "1 MiB" : "4 KiB", SizedName(name, bytes), "", Measure::kRate, "bytes_per_second",
           long_text ? Target{Kind::kRateAtLeast, 1e9, ">= 1 GB/s"} : Target{}});
    }
  }
}

}  // namespace

std::vector<Figure> Figures() {
  std::vector<Figure> figures;
  for (int64_t size : {kSmall, kMedium, kLarge}) AddParameterFigures(figures, size);
  for (NameShape shape : kNameShapes) {
    if (shape != NameShape::kRepeated) AddLoadFigures(figures, shape, kLarge);
  }
  for (int64_t size : {kSmall, kMedium, kLarge}) AddUiFigures(figures, UiTexts::kUsual, size);
  AddUiFigures(figures, UiTexts::kShort, kMedium);
  AddUiFigures(figures, UiTexts::kShort, kLarge);
  AddUiFigures(figures, UiTexts::kLong, kMedium);
  AddUiFigures(figures, UiTexts::kPlain, kMedium);
  for (auto [name, size] :
       {std::pair{"load_gigabyte_file", "1 GiB, lines"}, std::pair{"load_gigabyte_value", "1 GiB, 1 value"}}) {
    figures.push_back({"load large working copy, fresh process", size, name, "", Measure::kTime, "", Target{}});
    figures.push_back({"  peak memory / file size", size, name, "", Measure::kCounter, "peak_per_file_byte",
                       Target{Kind::kCounterBelow, 2, "< 2x the file"}});
  }
  AddScramblingFigures(figures);
  figures.push_back({"tier Initialize, simulated host", "sample", "tier_initialize/sample",
                     "wc_l/sample_parameters_dat", Measure::kTime, "", Target{Kind::kTimeBelow, 1e-3, "< 1 ms"}});
  return figures;
}

}  // namespace vx4820cal::bench
