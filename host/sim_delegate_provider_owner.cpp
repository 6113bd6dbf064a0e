#include "host/sim_delegate_provider_owner.h"

#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/xarraydbobject.h"

namespace vx4820cal::simhost {
namespace {

template <class T>
std::string ObjectText(const std::shared_ptr<T>& object) {
  return object ? "object" : "none";
}

}  // namespace

void SimDelegateProviderOwner::Record(const std::string& operation, std::vector<std::string> args,
                                      std::vector<const void*> references) {
  log_.Record(operation, std::move(args));
  references_.push_back(std::move(references));
  if (observer_) observer_(operation);
}

bool SimDelegateProviderOwner::BackwardsCompatibility(std::shared_ptr<Itier>& objTier, std::string& SourceKey,
                                                      std::shared_ptr<Iprovider>& SourceProvider, std::string& DestKey,
                                                      std::shared_ptr<Iprovider>& DestProvider) {
  Record("BackwardsCompatibility",
         {ObjectText(objTier), SourceKey, ObjectText(SourceProvider), DestKey, ObjectText(DestProvider)},
         {&objTier, &SourceKey, &SourceProvider, &DestKey, &DestProvider});
  return backwards_compatibility_answer_;
}

void SimDelegateProviderOwner::PostReadProcessing(std::shared_ptr<Iprovider>& Provider, std::string& TierName) {
  Record("PostReadProcessing", {ObjectText(Provider), TierName}, {&Provider, &TierName});
}

void SimDelegateProviderOwner::PreWriteProcessing(std::shared_ptr<Iprovider>& Provider, std::string& TierName,
                                                  int32_t& TotalProviders) {
  Record("PreWriteProcessing", {ObjectText(Provider), TierName, std::to_string(TotalProviders)},
         {&Provider, &TierName, &TotalProviders});
}

bool SimDelegateProviderOwner::PostAddProcessing(std::shared_ptr<Iprovider>& Provider, std::string& GridID) {
  Record("PostAddProcessing", {ObjectText(Provider), GridID}, {&Provider, &GridID});
  return false;
}

bool SimDelegateProviderOwner::PostInsertProcessing(std::shared_ptr<Iprovider>& Provider, std::string& GridID,
                                                    int32_t& RecordNr) {
  Record("PostInsertProcessing", {ObjectText(Provider), GridID, std::to_string(RecordNr)},
         {&Provider, &GridID, &RecordNr});
  return false;
}

bool SimDelegateProviderOwner::GetComboItemsByUIID(std::shared_ptr<Iprovider>& Provider, std::string& UIID,
                                                   int32_t& RecordNr, std::shared_ptr<XArrayDBObject>& xComboItems) {
  Record("GetComboItemsByUIID", {ObjectText(Provider), UIID, std::to_string(RecordNr), ObjectText(xComboItems)},
         {&Provider, &UIID, &RecordNr, &xComboItems});
  return false;
}

bool SimDelegateProviderOwner::TransformFromUI(std::shared_ptr<Iprovider>& Provider, std::string DerivedFieldID,
                                               int32_t& RecordNr) {
  Record("TransformFromUI", {ObjectText(Provider), DerivedFieldID, std::to_string(RecordNr)}, {&Provider, &RecordNr});
  return false;
}

bool SimDelegateProviderOwner::TransformToUI(std::shared_ptr<Iprovider>& Provider, std::string& DerivedFieldID,
                                             int32_t& RecordNr) {
  Record("TransformToUI", {ObjectText(Provider), DerivedFieldID, std::to_string(RecordNr)},
         {&Provider, &DerivedFieldID, &RecordNr});
  return false;
}

void SimDelegateProviderOwner::GetFrequencyRanges(int32_t& Band, int32_t& RxMin, int32_t& RxMax, int32_t& TxMin,
                                                  int32_t& TxMax, std::string& Divisor) {
  Record("GetFrequencyRanges", {std::to_string(Band)}, {&Band, &RxMin, &RxMax, &TxMin, &TxMax, &Divisor});
  auto it = ranges_.find(Band);
  if (it == ranges_.end()) {
    throw Error(err::kInvalidArgument, "LR2930 Cal", "Band " + std::to_string(Band) + " is not known");
  }
  RxMin = it->second.rx_min;
  RxMax = it->second.rx_max;
  TxMin = it->second.tx_min;
  TxMax = it->second.tx_max;
  Divisor = it->second.divisor;
}

void SimDelegateProviderOwner::GetBands(std::shared_ptr<XArrayDBObject>& xComboItems) {
  Record("GetBands", {ObjectText(xComboItems)}, {&xComboItems});
  if (!xComboItems) throw RuntimeError(err::kObjectNotSet);
  auto count = static_cast<int32_t>(bands_.size());
  int32_t first = 0;
  if (xComboItems->UpperBound(2) < 0) {
    if (count > 0) xComboItems->ReDim(0, count - 1, 0, 0);
  } else {
    first = xComboItems->UpperBound(1) + 1;
    xComboItems->Insert(first, count);
  }
  for (int32_t i = 0; i < count; ++i) xComboItems->Value(first + i, 0, Variant(bands_[static_cast<size_t>(i)]));
}

std::string SimDelegateProviderOwner::GetBandDesc(std::shared_ptr<Iprovider>& objProvider) {
  Record("GetBandDesc", {ObjectText(objProvider)}, {&objProvider});
  return band_desc_;
}

void SimDelegateProviderOwner::Initialize(std::shared_ptr<Itier> objTier) {
  // Not kept: holding the tier would tie the host's objects to the component's.
  Record("Initialize", {ObjectText(objTier)}, {});
}

void SimDelegateProviderOwner::GetCurrentFrequencyRanges(int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                                                         std::string& Divisor) {
  Record("GetCurrentFrequencyRanges", {}, {&RxMin, &RxMax, &TxMin, &TxMax, &Divisor});
}

bool SimDelegateProviderOwner::PostDeleteProcessing(std::shared_ptr<Iprovider>& objProvider, std::string strUIID,
                                                    int32_t lngDeletedRecordNr) {
  Record("PostDeleteProcessing", {ObjectText(objProvider), strUIID, std::to_string(lngDeletedRecordNr)},
         {&objProvider});
  return true;
}

}  // namespace vx4820cal::simhost
