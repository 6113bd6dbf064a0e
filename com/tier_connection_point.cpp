#include "com/tier_connection_point.h"

#include "com/com_errors.h"
#include "com/server_module.h"

namespace vx4820cal::com {
namespace {

constexpr DISPID kTerminateApplication = 1;

// A host sink as the core tier's event listener: the event goes out by IDispatch.
class EventSinkProxy final : public IclsVX4820CALTierEvents {
 public:
  explicit EventSinkProxy(ComPtr<IDispatch> sink) : sink_(std::move(sink)) {}
  void TerminateApplication() override {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    Check(sink_->Invoke(kTerminateApplication, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr,
                        nullptr));
  }

 private:
  ComPtr<IDispatch> sink_;
};

}  // namespace

TierConnectionPoint::TierConnectionPoint(std::shared_ptr<ItierEventSource> source, IConnectionPointContainer* container)
    : source_(std::move(source)), container_(ComPtr<IConnectionPointContainer>::Share(container)) {
  ObjectCreated();
}

TierConnectionPoint::~TierConnectionPoint() { ObjectDestroyed(); }

HRESULT TierConnectionPoint::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid != IID_IUnknown && iid != IID_IConnectionPoint) return E_NOINTERFACE;
  *out = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

ULONG TierConnectionPoint::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT TierConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = DIID___clsVX4820CALTier;
  return S_OK;
}

HRESULT TierConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  *out = ComPtr<IConnectionPointContainer>(container_).Detach();
  return S_OK;
}

HRESULT TierConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  ComPtr<IUnknown> held = ComPtr<IUnknown>::Share(sink);
  ComPtr<IDispatch> dispatch = held.As<IDispatch>(DIID___clsVX4820CALTier);
  if (!dispatch) dispatch = held.As<IDispatch>(IID_IDispatch);
  if (!dispatch) return CONNECT_E_CANNOTCONNECT;
  return Guarded(IID_IConnectionPoint, [&] {
    *cookie = static_cast<DWORD>(source_->Advise(std::make_shared<EventSinkProxy>(std::move(dispatch))));
  });
}

HRESULT TierConnectionPoint::Unadvise(DWORD cookie) {
  return Guarded(IID_IConnectionPoint, [&] { source_->Unadvise(static_cast<int32_t>(cookie)); });
}

HRESULT TierConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

}  // namespace vx4820cal::com
