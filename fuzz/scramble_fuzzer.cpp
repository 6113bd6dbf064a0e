// The scrambling of data files: descrambling gives back every text of the code page
// that was scrambled, and any text at all either descrambles or raises error 13.
#include <cstddef>
#include <cstdint>

#include "common/codepage.h"
#include "common/scrambling.h"
#include "fuzz_support.h"

using namespace vx4820cal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes = fuzz::AsText(data, size);

  std::string text = Cp1252ToUtf8(bytes);
  std::string scrambled = EncryptString(text);
  if (scrambled.size() != 2 * bytes.size()) fuzz::Finding("a scrambled text is not two digits per character");
  if (DecryptString(scrambled) != text) fuzz::Finding("descrambling does not give back the text");

  // The host may hand in anything: malformed UTF-8, characters outside the code page.
  int32_t error = fuzz::ErrorNumberOrNone([&] { DecryptString(bytes); });
  if (error != -1 && error != err::kTypeMismatch) fuzz::Finding("descrambling raised an error other than 13");
  return 0;
}
