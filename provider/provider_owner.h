#pragma once
// The tier's provider owner: band questions and the hooks around the host's providers.
// Most calls go on to the delegate tier's provider owner; the rest are small
// decisions of this tier (provider_hooks.h).
#include <memory>

#include "vx4820cal/interfaces/iproviderowner.h"
#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal {

class clsVX4820CALProvOwn final : public IproviderOwner {
 public:
  ~clsVX4820CALProvOwn() override;

  bool BackwardsCompatibility(std::shared_ptr<Itier>& objTier, std::string& SourceKey,
                              std::shared_ptr<Iprovider>& SourceProvider, std::string& DestKey,
                              std::shared_ptr<Iprovider>& DestProvider) override;
  void PostReadProcessing(std::shared_ptr<Iprovider>& Provider, std::string& TierName) override;
  void PreWriteProcessing(std::shared_ptr<Iprovider>& Provider, std::string& TierName,
                          int32_t& TotalProviders) override;
  bool PostAddProcessing(std::shared_ptr<Iprovider>& Provider, std::string& GridID) override;
  bool PostInsertProcessing(std::shared_ptr<Iprovider>& Provider, std::string& GridID, int32_t& RecordNr) override;
  bool GetComboItemsByUIID(std::shared_ptr<Iprovider>& Provider, std::string& UIID, int32_t& RecordNr,
                           std::shared_ptr<XArrayDBObject>& xComboItems) override;
  bool TransformFromUI(std::shared_ptr<Iprovider>& Provider, std::string DerivedFieldID, int32_t& RecordNr) override;
  bool TransformToUI(std::shared_ptr<Iprovider>& Provider, std::string& DerivedFieldID, int32_t& RecordNr) override;
  void GetFrequencyRanges(int32_t& Band, int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                          std::string& Divisor) override;
  void GetBands(std::shared_ptr<XArrayDBObject>& xComboItems) override;
  std::string GetBandDesc(std::shared_ptr<Iprovider>& objProvider) override;
  void Initialize(std::shared_ptr<Itier> objTier) override;
  void GetCurrentFrequencyRanges(int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                                 std::string& Divisor) override;
  bool PostDeleteProcessing(std::shared_ptr<Iprovider>& objProvider, std::string strUIID,
                            int32_t lngDeletedRecordNr) override;

 private:
  // The tier last passed to Initialize: the owning tier, or the tier it serves as delegate.
  std::shared_ptr<Itier> tier_;
};

std::shared_ptr<IproviderOwner> NewProviderOwner();

}  // namespace vx4820cal
