// The parameters loader followed by lookups for radios drawn from the input. Each
// answer (or error) of the store, which visits only the records of the table asked
// for, is checked against the plain selection over every record in file order.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "calparams/calibration_parameters.h"
#include "calparams/parameter_table.h"
#include "common/text.h"
#include "fuzz_support.h"

namespace {

using namespace vx4820cal;

struct Radio {
  std::string band, model, table, option;
  int16_t version = 0;
};

// NAME=VALUE lines of an answer, or the number of the error that replaced it.
struct Outcome {
  std::vector<std::string> entries;
  int32_t error = -1;
  bool operator==(const Outcome&) const = default;
};

Outcome StoreAnswer(clsCalibrationParameters& store, const Radio& radio) {
  Outcome outcome;
  outcome.error = fuzz::ErrorNumberOrNone([&] {
    auto answer = store.GetTable(radio.band, radio.model, radio.version, radio.table, radio.option);
    auto& table = dynamic_cast<calparams::ParameterTable&>(*answer);
    for (const std::string& name : table.Names())
      outcome.entries.push_back(name + "=" + answer->Item(std::string_view(name)).AsTextUnchecked());
  });
  if (outcome.error != -1) outcome.entries.clear();
  return outcome;
}

// Every record asked in file order, then the best of each name by weighting.
Outcome PlainAnswer(const clsCalibrationParameters& store, const Radio& radio) {
  Outcome outcome;
  outcome.error = fuzz::ErrorNumberOrNone([&] {
    std::vector<const clsCalibrationParameter*> matches;
    for (const auto& record : store.Records()) {
      if (record.IsMatch(radio.band, radio.model, radio.version, radio.table, radio.option)) matches.push_back(&record);
    }
    calparams::ParameterTable answer;
    for (const auto* candidate : matches) {
      bool best = true;
      for (const auto* other : matches) {
        if (other->GetParameterName() == candidate->GetParameterName() &&
            other->GetWeighting() > candidate->GetWeighting())
          best = false;
      }
      if (!best) continue;
      answer.AddParameter(candidate->GetParameterName(), candidate->GetValue());
      outcome.entries.push_back(candidate->GetParameterName() + "=" + candidate->GetValue());
    }
  });
  if (outcome.error != -1) outcome.entries.clear();
  return outcome;
}

// The words of the file (between line ends, ",", "=", "[" and "]"), trimmed, and
// the empty word: what a radio's values are drawn from.
std::vector<std::string> WordsOf(std::string_view bytes) {
  std::vector<std::string> words{""};
  std::string word;
  for (char c : bytes) {
    if (c == '\r' || c == '\n' || c == ',' || c == '=' || c == '[' || c == ']') {
      if (!word.empty()) words.push_back(Trim(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(Trim(word));
  return words;
}

Radio DrawRadio(FuzzedDataProvider& choices, const std::vector<std::string>& words) {
  auto pick = [&] { return words[choices.ConsumeIntegralInRange<size_t>(0, words.size() - 1)]; };
  Radio radio{pick(), pick(), pick(), pick()};
  radio.version = choices.ConsumeIntegralInRange<int16_t>(-2, 10001);
  return radio;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto& folder = fuzz::ComponentFolderForFuzzing();
  std::string_view bytes = fuzz::AsText(data, size);
  fuzz::WriteBytes(folder / "PARAMETERS.dat", bytes);

  // A load that stops keeps the records before the failing line: look those up too.
  clsCalibrationParameters store;
  fuzz::ErrorNumberOrNone([&] { store.LoadFile("PARAMETERS"); });

  std::vector<std::string> words = WordsOf(bytes);
  FuzzedDataProvider choices(data, size);
  for (int lookup = 0; lookup < 8; ++lookup) {
    Radio radio = DrawRadio(choices, words);
    if (!(StoreAnswer(store, radio) == PlainAnswer(store, radio))) fuzz::Finding("the store's answer differs");
  }
  return 0;
}
