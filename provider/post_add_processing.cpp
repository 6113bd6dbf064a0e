// What happens after the host added or inserted a record in one of the tier's grids.
#include <array>
#include <string_view>

#include "provider/provider_hooks.h"
#include "common/error_convention.h"
#include "common/message_box.h"

namespace vx4820cal {
namespace {

// The calibration grids that need nothing done after a record is added.
constexpr std::array<std::string_view, 6> kHandledGrids = {
    "RX_FE_TUNE_CAL_FREQ_PTS", "RX_FE_TUNE_BPFSETTINGS", "RSSI_CAL_FREQUENCY_PTS",
    "RSSI_DELTA_GAIN_VALUES",  "AGC_DELTA_GAIN_VALUES",  "MUTE_NOISE_READINGS",
};

bool IsHandledGrid(std::string_view grid_id) {
  for (std::string_view handled : kHandledGrids) {
    if (grid_id == handled) return true;  // case-sensitive
  }
  return false;
}

void ShowNotHandled(const std::string& grid_id) {
  ShowMessage("The " + grid_id + " grid is not handled in post add processing", kOkOnly,
              "Post Add Processing Error");
}

}  // namespace

bool CheckAddedRecord(std::shared_ptr<Iprovider>& /*Provider*/, std::string& GridID) {
  bool result = false;
  TrapAndReport("CheckAddedRecord", [&] {
    if (IsHandledGrid(GridID)) {
      result = true;
      return;
    }
    ShowNotHandled(GridID);
  });
  return result;
}

bool CheckInsertedRecord(std::shared_ptr<Iprovider>& /*Provider*/, std::string& GridID, int32_t& /*RecordNr*/) {
  TrapAndReport("CheckInsertedRecord", [&] { ShowNotHandled(GridID); });
  return false;
}

}  // namespace vx4820cal
