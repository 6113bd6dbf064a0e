#include "provider/provider_owner.h"

#include "provider/delegate_provider_owner.h"
#include "provider/provider_hooks.h"
#include "common/error_convention.h"

namespace vx4820cal {

std::shared_ptr<IproviderOwner> NewProviderOwner() { return std::make_shared<clsVX4820CALProvOwn>(); }

clsVX4820CALProvOwn::~clsVX4820CALProvOwn() {
  // Releasing the tier may report; nothing may leave a destructor.
  try {
    TrapAndReport("Class_Terminate", [&] { tier_.reset(); });
  } catch (...) {
  }
}

void clsVX4820CALProvOwn::Initialize(std::shared_ptr<Itier> objTier) {
  TrapAndReport("IproviderOwner_Initialize", [&] { tier_ = std::move(objTier); });
}

bool clsVX4820CALProvOwn::BackwardsCompatibility(std::shared_ptr<Itier>& objTier, std::string& SourceKey,
                                                 std::shared_ptr<Iprovider>& SourceProvider, std::string& DestKey,
                                                 std::shared_ptr<Iprovider>& DestProvider) {
  bool result = false;
  TrapAndReport("IproviderOwner_BackwardsCompatibility", [&] {
    result = vx4820cal::BackwardsCompatibility(objTier, SourceKey, SourceProvider, DestKey, DestProvider);
  });
  return result;
}

void clsVX4820CALProvOwn::PostReadProcessing(std::shared_ptr<Iprovider>& Provider, std::string& TierName) {
  TrapAndReport("IproviderOwner_PostReadProcessing",
                [&] { DelegateProviderOwner()->PostReadProcessing(Provider, TierName); });
}

void clsVX4820CALProvOwn::PreWriteProcessing(std::shared_ptr<Iprovider>& Provider, std::string& TierName,
                                             int32_t& TotalProviders) {
  TrapAndReport("IproviderOwner_PreWriteProcessing",
                [&] { DelegateProviderOwner()->PreWriteProcessing(Provider, TierName, TotalProviders); });
}

bool clsVX4820CALProvOwn::PostAddProcessing(std::shared_ptr<Iprovider>& Provider, std::string& GridID) {
  bool result = false;
  TrapAndReport("IproviderOwner_PostAddProcessing", [&] { result = CheckAddedRecord(Provider, GridID); });
  return result;
}

bool clsVX4820CALProvOwn::PostInsertProcessing(std::shared_ptr<Iprovider>& Provider, std::string& GridID,
                                               int32_t& RecordNr) {
  bool result = false;
  TrapAndReport("IproviderOwner_PostInsertProcessing",
                [&] { result = CheckInsertedRecord(Provider, GridID, RecordNr); });
  return result;
}

bool clsVX4820CALProvOwn::GetComboItemsByUIID(std::shared_ptr<Iprovider>& Provider, std::string& UIID,
                                              int32_t& RecordNr, std::shared_ptr<XArrayDBObject>& xComboItems) {
  bool result = false;
  TrapAndReport("IproviderOwner_GetComboItemsByUIID", [&] {
    result = vx4820cal::GetComboItemsByUIID(tier_, Provider, UIID, RecordNr, xComboItems);
  });
  return result;
}

bool clsVX4820CALProvOwn::TransformFromUI(std::shared_ptr<Iprovider>& Provider, std::string DerivedFieldID,
                                          int32_t& RecordNr) {
  return TrapAndRaiseAgain("IproviderOwner_TransformFromUI",
                           [&] { return K5500TransformFromUI(tier_, Provider, DerivedFieldID, RecordNr); });
}

bool clsVX4820CALProvOwn::TransformToUI(std::shared_ptr<Iprovider>& Provider, std::string& DerivedFieldID,
                                        int32_t& RecordNr) {
  return TrapAndRaiseAgain("IproviderOwner_TransformToUI",
                           [&] { return K5500TransformToUI(tier_, Provider, DerivedFieldID, RecordNr); });
}

bool clsVX4820CALProvOwn::PostDeleteProcessing(std::shared_ptr<Iprovider>& objProvider, std::string strUIID,
                                               int32_t lngDeletedRecordNr) {
  bool result = false;
  TrapAndReport("IproviderOwner_PostDeleteProcessing",
                [&] { result = RecordDeleted(tier_, objProvider, strUIID, lngDeletedRecordNr); });
  return result;
}

}  // namespace vx4820cal
