#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// The hooks the host calls around its providers, and the band questions.
class VX4820CAL_API IproviderOwner : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{D9D13C9A-15B1-4485-9A5B-7D1556DB5DEE}";
  virtual bool BackwardsCompatibility(std::shared_ptr<Itier>& objTier, std::string& SourceKey,
                                      std::shared_ptr<Iprovider>& SourceProvider, std::string& DestKey,
                                      std::shared_ptr<Iprovider>& DestProvider) = 0;
  virtual void PostReadProcessing(std::shared_ptr<Iprovider>& Provider, std::string& TierName) = 0;
  virtual void PreWriteProcessing(std::shared_ptr<Iprovider>& Provider, std::string& TierName,
                                  int32_t& TotalProviders) = 0;
  virtual bool PostAddProcessing(std::shared_ptr<Iprovider>& Provider, std::string& GridID) = 0;
  virtual bool PostInsertProcessing(std::shared_ptr<Iprovider>& Provider, std::string& GridID, int32_t& RecordNr) = 0;
  virtual bool GetComboItemsByUIID(std::shared_ptr<Iprovider>& Provider, std::string& UIID, int32_t& RecordNr,
                                   std::shared_ptr<XArrayDBObject>& xComboItems) = 0;
  virtual bool TransformFromUI(std::shared_ptr<Iprovider>& Provider, std::string DerivedFieldID, int32_t& RecordNr) = 0;
  virtual bool TransformToUI(std::shared_ptr<Iprovider>& Provider, std::string& DerivedFieldID, int32_t& RecordNr) = 0;
  virtual void GetFrequencyRanges(int32_t& Band, int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                                  std::string& Divisor) = 0;
  virtual void GetBands(std::shared_ptr<XArrayDBObject>& xComboItems) = 0;
  virtual std::string GetBandDesc(std::shared_ptr<Iprovider>& objProvider) = 0;
  virtual void Initialize(std::shared_ptr<Itier> objTier) = 0;
  virtual void GetCurrentFrequencyRanges(int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                                         std::string& Divisor) = 0;
  virtual bool PostDeleteProcessing(std::shared_ptr<Iprovider>& objProvider, std::string strUIID,
                                    int32_t lngDeletedRecordNr) = 0;
};

}  // namespace vx4820cal
