// The UI field data reader on a plain file and on the same lines scrambled.
#include <cstddef>
#include <cstdint>

#include "common/scrambling.h"
#include "common/text_file.h"
#include "fuzz_support.h"
#include "ui/user_fields.h"

namespace {

using namespace vx4820cal;

// The marker line, then every line of bytes scrambled, each ended by CR LF.
std::string Scrambled(std::string_view bytes) {
  std::string scrambled = std::string(kScrambledMarker) + "\r\n";
  LineReader lines(bytes);
  while (!lines.AtEnd()) scrambled += EncryptString(lines.Next()) + "\r\n";
  return scrambled;
}

void ReadExpectingErrors(const std::filesystem::path& file) {
  colUserFields fields;
  fuzz::ErrorNumberOrNone([&] { fields.ReadInDataFromTextFile(file); });
  // Every record kept is found again by its key.
  fields.ForEach([&](const clsUserField& field) {
    if (!fields.Exists(Variant(field.UIID()))) fuzz::Finding("a stored field is not found by its UIID");
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto file = fuzz::ComponentFolderForFuzzing() / "VX4820CAL_UI_U.dat";
  std::string_view bytes = fuzz::AsText(data, size);
  fuzz::WriteBytes(file, bytes);
  ReadExpectingErrors(file);
  fuzz::WriteBytes(file, Scrambled(bytes));
  ReadExpectingErrors(file);
  return 0;
}
