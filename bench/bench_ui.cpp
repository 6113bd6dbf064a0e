// Reading a scrambled UI field data file into a new field collection.
#include <memory>

#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "ui/user_fields.h"

namespace vx4820cal::bench {
namespace {

void ReadUiFields(benchmark::State& state, int64_t size, UiTexts texts) {
  const auto fields = static_cast<size_t>(size);
  const InputFile& input = UiFieldInput(fields, texts);
  Guarded(state, [&] {
    TimeEachIteration(state, [&] {
      auto collection = std::make_shared<colUserFields>();
      Check(collection->ReadInDataFromTextFile(input.path), "the read failed");
      Check(static_cast<size_t>(collection->Count()) == fields, "fields lost");
      return collection;
    });
  });
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(input.bytes));
}

}  // namespace

void RegisterUiBenchmarks(UiTexts texts, int64_t size) {
  benchmark::RegisterBenchmark(ShapedName("read_ui_fields", texts, size).c_str(), ReadUiFields, size, texts)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace vx4820cal::bench
