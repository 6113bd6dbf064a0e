// The start-up lookups: for each of the nine band codes, the tables "BandLimits" and
// "cvCscTCXOVerificationFactor" for the delegate's model at hardware version 0 with
// the default radio option, as the band-limits table is built.
#include <map>
#include <memory>
#include <tuple>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "bench/generator.h"
#include "calparams/calibration_parameters.h"
#include "common/project_globals.h"
#include "provider/band_limits.h"
#include "vx4820cal/component.h"

namespace vx4820cal::bench {
namespace {

// A store loaded from a generated file, kept for the rest of the run.
std::shared_ptr<clsCalibrationParameters> LoadedStore(size_t lines, bool grow_start_up_tables,
                                                      NameShape shape = NameShape::kRepeated) {
  static std::map<std::tuple<size_t, bool, NameShape>, std::shared_ptr<clsCalibrationParameters>> stores;
  auto& store = stores[{lines, grow_start_up_tables, shape}];
  if (!store) {
    SetThreadComponentFolder(ParametersInput(lines, grow_start_up_tables, shape).folder);
    store = std::make_shared<clsCalibrationParameters>();
    bool loaded = store->LoadFile("PARAMETERS");
    SetThreadComponentFolder({});
    Check(loaded, "the load failed");
  }
  return store;
}

void LookUpEveryBand(clsCalibrationParameters& store) {
  for (const char* band : kBandCodes) {
    benchmark::DoNotOptimize(store.GetTable(band, kDelegateModel, 0, kBandLimitsTable, "Default"));
    benchmark::DoNotOptimize(store.GetTable(band, kDelegateModel, 0, kVerificationTable, "Default"));
  }
}

// Every band answers all 22 band-limit keys and its verification factor: the
// generated file is complete and has no ties (a tie would fail the lookup).
void CheckAnswers(clsCalibrationParameters& store) {
  for (const char* band : kBandCodes) {
    auto limits = store.GetTable(band, kDelegateModel, 0, kBandLimitsTable, "Default");
    auto factor = store.GetTable(band, kDelegateModel, 0, kVerificationTable, "Default");
    Check(limits && limits->Count() == 22, std::string("incomplete band limits for ") + band);
    Check(factor && factor->ContainsKey("TCXOVerificationFactor"), std::string("no verification factor for ") + band);
  }
}

void StartUpLookups(benchmark::State& state, int64_t lines, bool grow_start_up_tables, NameShape shape) {
  Guarded(state, [&] {
    auto store = LoadedStore(static_cast<size_t>(lines), grow_start_up_tables, shape);
    CheckAnswers(*store);
    for (auto _ : state) LookUpEveryBand(*store);
    state.counters["looked_up_records"] = static_cast<double>(store->PositionsOfTable(kBandLimitsTable).size() +
                                                              store->PositionsOfTable(kVerificationTable).size());
    state.counters["store_records"] = static_cast<double>(store->Records().size());
  });
}

// What the tier runs with those lookups: the band-limits table, values converted.
void BuildBandLimitsTable(benchmark::State& state, int64_t lines) {
  Guarded(state, [&] {
    gobjCalParameters = LoadedStore(static_cast<size_t>(lines), true);
    for (auto _ : state) InitBandLimits();
    Check(BandLimitsTable().size() == kBandCodes.size() && BandLimitsTable().back().Code == kBandCodes.back(),
          "band-limits table not filled");
  });
  gobjCalParameters.reset();
}

}  // namespace

void RegisterShapeLookupBenchmarks(NameShape shape, int64_t size) {
  benchmark::RegisterBenchmark(ShapedName("start_up_lookups", shape, size).c_str(), StartUpLookups, size, true, shape)
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
}

void RegisterLookupBenchmarks(int64_t size) {
  RegisterShapeLookupBenchmarks(NameShape::kRepeated, size);
  benchmark::RegisterBenchmark(SizedName("start_up_lookups_fixed_tables", size).c_str(), StartUpLookups, size, false,
                               NameShape::kRepeated)
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark(SizedName("band_limits_table", size).c_str(), BuildBandLimitsTable, size)
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace vx4820cal::bench
