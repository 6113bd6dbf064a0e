#include "com/object_bridge.h"

#include <unordered_map>

#include "com/cal_parameters_object.h"
#include "com/cal_parameters_proxy.h"
#include "com/collection_object.h"
#include "com/enum_variant_object.h"
#include "com/enumerator_proxy.h"
#include "com/field_proxy.h"
#include "com/late_bound_proxy.h"
#include "com/messenger_proxy.h"
#include "com/prov_info_list_object.h"
#include "com/prov_info_list_proxy.h"
#include "com/prov_info_proxy.h"
#include "com/provider_owner_object.h"
#include "com/provider_owner_proxy.h"
#include "com/provider_proxy.h"
#include "com/schema_object.h"
#include "com/tier_object.h"
#include "com/tier_proxy.h"
#include "com/tier_validator_object.h"
#include "com/tier_validator_proxy.h"
#include "com/user_interface_object.h"
#include "com/validator_proxy.h"
#include "com/xarray_proxy.h"

namespace vx4820cal::com {
namespace {

// Wrappers live on the thread (apartment) that made them, so each thread keeps its own.
// The map exists only while the thread has wrappers: nothing is left for the thread's
// end to destroy.
using WrapperMap = std::unordered_map<const Object*, IUnknown*>;
thread_local WrapperMap* tlsWrappers = nullptr;

template <class Wrapper, class Core>
ComPtr<IUnknown> Wrap(const std::shared_ptr<Core>& core) {
  Wrapper* wrapper = new Wrapper(core);
  return ComPtr<IUnknown>::Attach(wrapper->Identity());
}

ComPtr<IUnknown> NewWrapper(const ObjectRef& object) {
  if (auto tier = std::dynamic_pointer_cast<vx4820cal::Itier>(object)) return Wrap<TierObject>(tier);
  if (auto store = std::dynamic_pointer_cast<vx4820cal::IcalParameters>(object)) {
    return Wrap<CalParametersObject>(store);
  }
  if (auto owner = std::dynamic_pointer_cast<vx4820cal::IproviderOwner>(object)) {
    return Wrap<ProviderOwnerObject>(owner);
  }
  if (auto schema = std::dynamic_pointer_cast<vx4820cal::ItierSchema>(object)) return Wrap<SchemaObject>(schema);
  if (auto ui = std::dynamic_pointer_cast<vx4820cal::ItierUserInterface>(object)) {
    return Wrap<UserInterfaceObject>(ui);
  }
  if (auto validator = std::dynamic_pointer_cast<vx4820cal::ItierValidator>(object)) {
    return Wrap<TierValidatorObject>(validator);
  }
  if (auto list = std::dynamic_pointer_cast<vx4820cal::IcolProvInfo>(object)) return Wrap<ProvInfoListObject>(list);
  if (auto collection = std::dynamic_pointer_cast<Collection>(object)) return Wrap<CollectionObject>(collection);
  if (auto walk = std::dynamic_pointer_cast<Ienumerator>(object)) {
    return ComPtr<IUnknown>::Attach(static_cast<IEnumVARIANT*>(new EnumVariantObject(walk)));
  }
  // An object of the core that the host has no interface for.
  throw RuntimeError(err::kTypeMismatch);
}

template <class Proxy, class I>
ObjectRef ProxyIf(IUnknown* object) {
  ComPtr<I> view = ComPtr<IUnknown>::Share(object).As<I>(__uuidof(I));
  return view ? std::make_shared<Proxy>(std::move(view)) : nullptr;
}

// The host's object as the core interface it offers, asked in this order (a tier
// first: the delegate tier may offer more than one of them).
ObjectRef NewProxy(IUnknown* object) {
  using Probe = ObjectRef (*)(IUnknown*);
  static constexpr Probe probes[] = {
      ProxyIf<TierProxy, ::Itier>,
      ProxyIf<MessengerProxy, ::Imessenger>,
      ProxyIf<ProvInfoProxy, ::IprovInfo>,
      ProxyIf<ProvInfoListProxy, ::IcolProvInfo>,
      ProxyIf<ProviderProxy, ::Iprovider>,
      ProxyIf<FieldProxy, ::Ifield>,
      ProxyIf<XArrayProxy, ::XArrayDBObject>,
      ProxyIf<ProviderOwnerProxy, ::IproviderOwner>,
      ProxyIf<TierValidatorProxy, ::ItierValidator>,
      ProxyIf<CalParametersProxy, ::IcalParameters>,
      ProxyIf<ValidatorProxy, ::Ivalidator>,
      ProxyIf<EnumeratorProxy, IEnumVARIANT>,
      ProxyIf<LateBoundProxy, IDispatch>,
  };
  for (Probe probe : probes) {
    if (ObjectRef proxy = probe(object)) return proxy;
  }
  throw RuntimeError(err::kTypeMismatch);
}

}  // namespace

ComPtr<IUnknown> ComFromCore(const ObjectRef& object) {
  if (!object) return {};
  if (auto* host = dynamic_cast<HostBacked*>(object.get())) return ComPtr<IUnknown>::Share(host->HostObject());
  if (tlsWrappers) {
    auto found = tlsWrappers->find(object.get());
    if (found != tlsWrappers->end()) return ComPtr<IUnknown>::Share(found->second);
  }
  return NewWrapper(object);
}

ObjectRef CoreFromCom(IUnknown* object) {
  if (!object) return nullptr;
  ComPtr<ICoreObject> own = ComPtr<IUnknown>::Share(object).As<ICoreObject>(__uuidof(ICoreObject));
  if (own) return own->CoreObject();
  return NewProxy(object);
}

void RememberWrapper(const Object* core, IUnknown* wrapper) {
  if (!tlsWrappers) tlsWrappers = new WrapperMap;
  (*tlsWrappers)[core] = wrapper;
}

void ForgetWrapper(const Object* core) {
  if (!tlsWrappers) return;
  tlsWrappers->erase(core);
  if (tlsWrappers->empty()) {
    delete tlsWrappers;
    tlsWrappers = nullptr;
  }
}

}  // namespace vx4820cal::com
