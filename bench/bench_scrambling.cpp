// EncryptString and DecryptString on long texts. Both rates count the plain text's
// bytes (the scrambled text is twice as long), so the two compare directly.
#include "bench/bench_inputs.h"
#include "bench/bench_support.h"
#include "bench/generator.h"
#include "common/codepage.h"
#include "common/scrambling.h"

namespace vx4820cal::bench {
namespace {

// A text of about `bytes` bytes cut from a generated parameters source: mostly ASCII,
// with the odd degree sign, and the line ends kept as characters.
std::string LongText(size_t bytes) {
  static const std::string source = Cp1252ToUtf8(GenerateParametersSource({kMedium}));
  std::string text;
  while (text.size() < bytes) text.append(source, 0, std::min(source.size(), bytes - text.size()));
  // Never end inside a two-byte character.
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0xC0) text.pop_back();
  return text;
}

void Encrypt(benchmark::State& state, int64_t bytes) {
  std::string text = LongText(static_cast<size_t>(bytes));
  for (auto _ : state) benchmark::DoNotOptimize(EncryptString(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void Decrypt(benchmark::State& state, int64_t bytes) {
  std::string text = LongText(static_cast<size_t>(bytes));
  std::string scrambled = EncryptString(text);
  Guarded(state, [&] {
    Check(DecryptString(scrambled) == text, "the round trip changed the text");
    for (auto _ : state) benchmark::DoNotOptimize(DecryptString(scrambled));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  });
}

}  // namespace

void RegisterScramblingBenchmarks() {
  for (int64_t bytes : {int64_t{4} << 10, int64_t{1} << 20}) {
    benchmark::RegisterBenchmark(SizedName("encrypt_string", bytes).c_str(), Encrypt, bytes)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(SizedName("decrypt_string", bytes).c_str(), Decrypt, bytes)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace vx4820cal::bench
