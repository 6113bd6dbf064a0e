// Filling the host's selection lists.
#include "provider/provider_hooks.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "vx4820cal/interfaces/iproviderowner.h"

namespace vx4820cal {
namespace {

constexpr int16_t kNoList = -1;
constexpr int16_t kBandList = 831;
constexpr const char* kUndefinedItem = "Undefined";

}  // namespace

bool GetComboItemsByUIID(std::shared_ptr<Itier> tier, std::shared_ptr<Iprovider>& Provider, std::string& UIID,
                         int32_t& /*RecordNr*/, std::shared_ptr<XArrayDBObject>& xComboItems) {
  bool result = false;
  TrapAndReport("GetComboItemsByUIID", [&] {
    if (xComboItems) {
      xComboItems->ReDim(0, 0, 0, 0);
      xComboItems->Value(0, 0, Variant(kUndefinedItem));
    }
    int16_t list_id = Required(Provider)->GetListID(UIID);
    if (list_id == kBandList) {
      // The tier's provider owner: this one, or the one of the tier it serves as delegate.
      Required(Required(tier)->ProviderOwner())->GetBands(xComboItems);
    }
    result = list_id == kNoList || list_id == kBandList;
  });
  return result;
}

}  // namespace vx4820cal
