// What happens after the host deleted a record.
#include "provider/provider_hooks.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "vx4820cal/interfaces/imessenger.h"

namespace vx4820cal {

bool RecordDeleted(std::shared_ptr<Itier> tier, std::shared_ptr<Iprovider>& /*objProvider*/, std::string strUIID,
                   int32_t /*lngDeletedRecordNr*/) {
  bool result = false;
  TrapAndReport("RecordDeleted", [&] {
    if (strUIID == "ScanGroupNumber") {
      // The host's filtered member list shows the deleted group until it is told.
      std::string field_id = "FilteredScanGroupChannelMemberID";
      Required(Required(tier)->Messenger())->NotifyField(field_id);
    }
    result = true;
  });
  return result;
}

}  // namespace vx4820cal
