#pragma once
// The provider owner of the host's "LR2930 Cal" tier: answers the band questions and
// the record-set hooks from data a test gives, and records every call with its
// arguments and, for by-reference arguments, the address it received, so a test can
// show that the caller's own variables were passed through.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/call_log.h"
#include "vx4820cal/interfaces/iproviderowner.h"

namespace vx4820cal::simhost {

// What GetFrequencyRanges writes for one band.
struct FrequencyRanges {
  int32_t rx_min = 0;
  int32_t rx_max = 0;
  int32_t tx_min = 0;
  int32_t tx_max = 0;
  std::string divisor;
};

class SimDelegateProviderOwner : public IproviderOwner {
 public:
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
  // A band without scripted ranges is an error (5), and nothing is written.
  void GetFrequencyRanges(int32_t& Band, int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                          std::string& Divisor) override;
  // Appends the scripted bands after the rows the list already holds; none is error 91.
  void GetBands(std::shared_ptr<XArrayDBObject>& xComboItems) override;
  std::string GetBandDesc(std::shared_ptr<Iprovider>& objProvider) override;
  void Initialize(std::shared_ptr<Itier> objTier) override;
  void GetCurrentFrequencyRanges(int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                                 std::string& Divisor) override;
  bool PostDeleteProcessing(std::shared_ptr<Iprovider>& objProvider, std::string strUIID,
                            int32_t lngDeletedRecordNr) override;

  // Script.
  void SetBands(std::vector<std::string> bands) { bands_ = std::move(bands); }
  void SetBandDesc(std::string description) { band_desc_ = std::move(description); }
  void SetFrequencyRanges(int32_t band, FrequencyRanges ranges) { ranges_[band] = std::move(ranges); }
  void SetBackwardsCompatibilityAnswer(bool answer) { backwards_compatibility_answer_ = answer; }
  // Called at the start of every call with the operation's name, before anything is
  // answered: lets a test look at the host's state at that moment.
  void OnCall(std::function<void(const std::string&)> observer) { observer_ = std::move(observer); }

  // Every call in order; objects are logged as "object" or "none".
  const CallLog& Log() const { return log_; }
  // The addresses of the by-reference arguments of call number index of the log (from
  // 0), in argument order.
  const std::vector<const void*>& References(size_t index) const { return references_.at(index); }
  const std::vector<const void*>& LastReferences() const { return references_.at(references_.size() - 1); }

 private:
  void Record(const std::string& operation, std::vector<std::string> args, std::vector<const void*> references);

  CallLog log_;
  std::vector<std::vector<const void*>> references_;
  std::function<void(const std::string&)> observer_;
  std::vector<std::string> bands_;
  std::string band_desc_;
  std::map<int32_t, FrequencyRanges> ranges_;
  bool backwards_compatibility_answer_ = true;
};

}  // namespace vx4820cal::simhost
