#pragma once
// The connection point of the tier's event interface __clsVX4820CALTier: each sink
// the host advises is handed to the core tier, which raises TerminateApplication
// (dispatch identifier 1) to all of them.
#include <atomic>
#include <memory>

#include "com/com_headers.h"
#include "com/com_ptr.h"
#include "vx4820cal/tier_events.h"

namespace vx4820cal::com {

class TierConnectionPoint final : public IConnectionPoint {
 public:
  TierConnectionPoint(std::shared_ptr<ItierEventSource> source, IConnectionPointContainer* container);
  ~TierConnectionPoint();
  TierConnectionPoint(const TierConnectionPoint&) = delete;
  TierConnectionPoint& operator=(const TierConnectionPoint&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

 private:
  std::shared_ptr<ItierEventSource> source_;
  ComPtr<IConnectionPointContainer> container_;
  std::atomic<ULONG> references_{1};
};

}  // namespace vx4820cal::com
