// The small decisions this tier makes around the host's providers, and the way to
// the delegate's provider owner for everything else.
#include "provider/provider_hooks.h"

#include <array>
#include <string_view>

#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/message_box.h"
#include "common/object_access.h"
#include "common/project_globals.h"
#include "vx4820cal/interfaces/imessenger.h"
#include "vx4820cal/interfaces/iproviderowner.h"

namespace vx4820cal {
namespace {

constexpr const char* kVersionFieldID = "47.DB_CURRENT_CAL_DATABASE_VERSION";
constexpr size_t kVersionDigits = 4;

constexpr int16_t kNoList = -1;
constexpr int16_t kBandList = 831;
constexpr const char* kUndefinedItem = "Undefined";

// The calibration grids that need nothing done after a record is added.
constexpr std::array<std::string_view, 6> kHandledGrids = {
    "RX_FE_TUNE_CAL_FREQ_PTS", "RX_FE_TUNE_BPFSETTINGS", "RSSI_CAL_FREQUENCY_PTS",
    "RSSI_DELTA_GAIN_VALUES",  "AGC_DELTA_GAIN_VALUES",  "MUTE_NOISE_READINGS",
};

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The last count characters of a UTF-8 text (all of it when shorter).
std::string_view LastCharacters(std::string_view text, size_t count) {
  size_t start = text.size();
  for (size_t taken = 0; taken < count && start > 0; ++taken) {
    do {
      --start;
    } while (start > 0 && IsContinuationByte(text[start]));
  }
  return text.substr(start);
}

bool IsHandledGrid(std::string_view grid_id) {
  for (std::string_view handled : kHandledGrids) {
    if (grid_id == handled) return true;  // case-sensitive
  }
  return false;
}

void ShowNotHandled(const std::string& grid_id) {
  ShowMessage("The " + grid_id + " grid is not handled in post add processing", kOkOnly, "Post Add Processing Error");
}

bool TouchDerivedField(std::shared_ptr<Iprovider>& provider, const std::string& field_id) {
  Required(Required(provider)->Field(field_id))->State();
  return false;
}

}  // namespace

std::shared_ptr<IproviderOwner> DelegateProviderOwner() { return Required(RequiredDelegateTier()->ProviderOwner()); }

bool BackwardsCompatibility(std::shared_ptr<Itier>& tier, std::string& source_key, std::shared_ptr<Iprovider>& source,
                            std::string& dest_key, std::shared_ptr<Iprovider>& dest) {
  return TrapAndReport("BackwardsCompatibility", false, [&] {
    // The version is stored as a number, so the key's digits are converted first.
    int32_t version = TextToLong(LastCharacters(dest_key, kVersionDigits));
    Required(Required(dest)->Field(kVersionFieldID))->Value(1, Variant(version));
    return DelegateProviderOwner()->BackwardsCompatibility(tier, source_key, source, dest_key, dest);
  });
}

bool GetComboItemsByUIID(const std::shared_ptr<Itier>& tier, std::shared_ptr<Iprovider>& provider, std::string& uiid,
                         std::shared_ptr<XArrayDBObject>& combo_items) {
  return TrapAndReport("GetComboItemsByUIID", false, [&] {
    if (combo_items) {
      combo_items->ReDim(0, 0, 0, 0);
      combo_items->Value(0, 0, Variant(kUndefinedItem));
    }
    int16_t list_id = Required(provider)->GetListID(uiid);
    if (list_id == kBandList) {
      // The tier's provider owner: this one, or the one of the tier it serves as delegate.
      Required(Required(tier)->ProviderOwner())->GetBands(combo_items);
    }
    return list_id == kNoList || list_id == kBandList;
  });
}

bool CheckAddedRecord(const std::string& grid_id) {
  return TrapAndReport("CheckAddedRecord", false, [&] {
    if (IsHandledGrid(grid_id)) return true;
    ShowNotHandled(grid_id);
    return false;
  });
}

bool CheckInsertedRecord(const std::string& grid_id) {
  TrapAndReport("CheckInsertedRecord", [&] { ShowNotHandled(grid_id); });
  return false;
}

bool TransformDerivedFieldFromUI(std::shared_ptr<Iprovider>& provider, const std::string& derived_field_id) {
  return TrapAndRaiseAgain("K5500TransformFromUI", [&] { return TouchDerivedField(provider, derived_field_id); });
}

bool TransformDerivedFieldToUI(std::shared_ptr<Iprovider>& provider, const std::string& derived_field_id) {
  return TrapAndRaiseAgain("K5500TransformToUI", [&] { return TouchDerivedField(provider, derived_field_id); });
}

bool RecordDeleted(const std::shared_ptr<Itier>& tier, const std::string& uiid) {
  return TrapAndReport("RecordDeleted", false, [&] {
    if (uiid == "ScanGroupNumber") {
      // The host's filtered member list shows the deleted group until it is told.
      std::string field_id = "FilteredScanGroupChannelMemberID";
      Required(Required(tier)->Messenger())->NotifyField(field_id);
    }
    return true;
  });
}

}  // namespace vx4820cal
