// The parameters loader on whatever a person's editor or an old installation left:
// the input as a hand-written working copy, then as a plain source from which the
// component regenerates the scrambled working copy and loads that.
#include <cstddef>
#include <cstdint>

#include "calparams/calibration_parameters.h"
#include "calparams/working_copy.h"
#include "fuzz_support.h"

namespace {

using namespace vx4820cal;
namespace fs = std::filesystem;

void LoadExpectingErrors() {
  clsCalibrationParameters store;
  fuzz::ErrorNumberOrNone([&] { store.LoadFile("PARAMETERS"); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& folder = fuzz::ComponentFolderForFuzzing();
  const fs::path source = folder / "PARAMETERS.ini";
  const fs::path working_copy = folder / "PARAMETERS.dat";
  std::string_view bytes = fuzz::AsText(data, size);

  fuzz::RemoveFile(source);
  fuzz::WriteBytes(working_copy, bytes);
  LoadExpectingErrors();

  fuzz::RemoveFile(working_copy);
  fuzz::WriteBytes(source, bytes);
  LoadExpectingErrors();
  // Whatever the source holds, the copy made from it is the marker and its lines.
  std::string expected = calparams::WorkingCopyBytes(bytes);
  if (fs::file_size(working_copy) != expected.size()) fuzz::Finding("regenerated working copy has the wrong size");

  fuzz::RemoveFile(source);
  fuzz::RemoveFile(working_copy);
  return 0;
}
