#pragma once
// A host provider owner (the delegate tier's) as the core's IproviderOwner.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class ProviderOwnerProxy final : public vx4820cal::IproviderOwner, public HostProxy<::IproviderOwner> {
 public:
  using HostProxy::HostProxy;
  using Tier = std::shared_ptr<vx4820cal::Itier>;
  using Provider = std::shared_ptr<vx4820cal::Iprovider>;
  using Items = std::shared_ptr<vx4820cal::XArrayDBObject>;

  bool BackwardsCompatibility(Tier& objTier, std::string& SourceKey, Provider& SourceProvider, std::string& DestKey,
                              Provider& DestProvider) override;
  void PostReadProcessing(Provider& Provider, std::string& TierName) override;
  void PreWriteProcessing(Provider& Provider, std::string& TierName, int32_t& TotalProviders) override;
  bool PostAddProcessing(Provider& Provider, std::string& GridID) override;
  bool PostInsertProcessing(Provider& Provider, std::string& GridID, int32_t& RecordNr) override;
  bool GetComboItemsByUIID(Provider& Provider, std::string& UIID, int32_t& RecordNr, Items& xComboItems) override;
  bool TransformFromUI(Provider& Provider, std::string DerivedFieldID, int32_t& RecordNr) override;
  bool TransformToUI(Provider& Provider, std::string& DerivedFieldID, int32_t& RecordNr) override;
  void GetFrequencyRanges(int32_t& Band, int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                          std::string& Divisor) override;
  void GetBands(Items& xComboItems) override;
  std::string GetBandDesc(Provider& objProvider) override;
  void Initialize(Tier objTier) override;
  void GetCurrentFrequencyRanges(int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                                 std::string& Divisor) override;
  bool PostDeleteProcessing(Provider& objProvider, std::string strUIID, int32_t lngDeletedRecordNr) override;
};

}  // namespace vx4820cal::com
