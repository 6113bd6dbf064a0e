// The band questions of the provider owner: every answer is the delegate tier's.
#include "provider/delegate_provider_owner.h"
#include "provider/provider_owner.h"
#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "vx4820cal/interfaces/iprovider.h"

namespace vx4820cal {
namespace {

constexpr const char* kBandFieldID = "Band_r5k";

}  // namespace

void clsVX4820CALProvOwn::GetFrequencyRanges(int32_t& Band, int32_t& RxMin, int32_t& RxMax, int32_t& TxMin,
                                             int32_t& TxMax, std::string& Divisor) {
  TrapAndRaiseAgain("IproviderOwner_GetFrequencyRanges",
                    [&] { DelegateProviderOwner()->GetFrequencyRanges(Band, RxMin, RxMax, TxMin, TxMax, Divisor); });
}

void clsVX4820CALProvOwn::GetBands(std::shared_ptr<XArrayDBObject>& xComboItems) {
  TrapAndRaiseAgain("IproviderOwner_GetBands", [&] { DelegateProviderOwner()->GetBands(xComboItems); });
}

std::string clsVX4820CALProvOwn::GetBandDesc(std::shared_ptr<Iprovider>& objProvider) {
  // No trap: the host gets any error exactly as it was raised.
  return DelegateProviderOwner()->GetBandDesc(objProvider);
}

void clsVX4820CALProvOwn::GetCurrentFrequencyRanges(int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                                                    std::string& Divisor) {
  TrapAndReport("IproviderOwner_GetCurrentFrequencyRanges", [&] {
    std::shared_ptr<Itier> tier = tier_;  // kept alive even if the host re-initialises this owner
    std::shared_ptr<Iprovider> provider = Required(Required(tier)->CurrentProvider());
    int32_t band = ToLong(Required(provider->Field(kBandFieldID))->Value(1));
    GetFrequencyRanges(band, RxMin, RxMax, TxMin, TxMax, Divisor);
  });
}

}  // namespace vx4820cal
