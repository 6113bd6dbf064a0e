#include "provider/provider_owner.h"

#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "provider/provider_hooks.h"
#include "vx4820cal/interfaces/iprovider.h"

namespace vx4820cal {
namespace {

constexpr const char* kBandFieldID = "Band_r5k";

// Parameter names follow the interface.
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
  return TrapAndReport("IproviderOwner_BackwardsCompatibility", false, [&] {
    return vx4820cal::BackwardsCompatibility(objTier, SourceKey, SourceProvider, DestKey, DestProvider);
  });
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

bool clsVX4820CALProvOwn::PostAddProcessing(std::shared_ptr<Iprovider>& /*Provider*/, std::string& GridID) {
  return TrapAndReport("IproviderOwner_PostAddProcessing", false, [&] { return CheckAddedRecord(GridID); });
}

bool clsVX4820CALProvOwn::PostInsertProcessing(std::shared_ptr<Iprovider>& /*Provider*/, std::string& GridID,
                                               int32_t& /*RecordNr*/) {
  return TrapAndReport("IproviderOwner_PostInsertProcessing", false, [&] { return CheckInsertedRecord(GridID); });
}

bool clsVX4820CALProvOwn::GetComboItemsByUIID(std::shared_ptr<Iprovider>& Provider, std::string& UIID,
                                              int32_t& /*RecordNr*/, std::shared_ptr<XArrayDBObject>& xComboItems) {
  return TrapAndReport("IproviderOwner_GetComboItemsByUIID", false,
                       [&] { return vx4820cal::GetComboItemsByUIID(tier_, Provider, UIID, xComboItems); });
}

bool clsVX4820CALProvOwn::TransformFromUI(std::shared_ptr<Iprovider>& Provider, std::string DerivedFieldID,
                                          int32_t& /*RecordNr*/) {
  return TrapAndRaiseAgain("IproviderOwner_TransformFromUI",
                           [&] { return TransformDerivedFieldFromUI(Provider, DerivedFieldID); });
}

bool clsVX4820CALProvOwn::TransformToUI(std::shared_ptr<Iprovider>& Provider, std::string& DerivedFieldID,
                                        int32_t& /*RecordNr*/) {
  return TrapAndRaiseAgain("IproviderOwner_TransformToUI",
                           [&] { return TransformDerivedFieldToUI(Provider, DerivedFieldID); });
}

bool clsVX4820CALProvOwn::PostDeleteProcessing(std::shared_ptr<Iprovider>& /*objProvider*/, std::string strUIID,
                                               int32_t /*lngDeletedRecordNr*/) {
  return TrapAndReport("IproviderOwner_PostDeleteProcessing", false, [&] { return RecordDeleted(tier_, strUIID); });
}

// The band questions: every answer is the delegate tier's.

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

}  // namespace

std::shared_ptr<IproviderOwner> NewProviderOwner() { return std::make_shared<clsVX4820CALProvOwn>(); }

}  // namespace vx4820cal
