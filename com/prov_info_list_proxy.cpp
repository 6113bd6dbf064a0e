#include "com/prov_info_list_proxy.h"

#include "com/host_arguments.h"

namespace vx4820cal::com {

void ProvInfoListProxy::Add(std::shared_ptr<vx4820cal::IprovInfo> objProvInfo, std::string strKey) {
  Bstr key(strKey);
  Check(host()->Add(ComAs<::IprovInfo>(objProvInfo).Get(), key.Get()));
}

std::shared_ptr<vx4820cal::IprovInfo> ProvInfoListProxy::Item(const Variant& vntIndexKey) {
  ComVariant index(vntIndexKey);
  return ObjectResult<vx4820cal::IprovInfo, ::IprovInfo>(
      [&](::IprovInfo** out) { return host()->Item(*index.Get(), out); });
}

int32_t ProvInfoListProxy::Count() {
  LONG count = 0;
  Check(host()->Count(&count));
  return count;
}

void ProvInfoListProxy::Remove(const Variant& vntIndexKey) {
  ComVariant index(vntIndexKey);
  Check(host()->Remove(*index.Get()));
}

ObjectRef ProvInfoListProxy::NewEnum() {
  ComPtr<IUnknown> walk;
  Check(host()->NewEnum(walk.Out()));
  return CoreFromCom(walk.Get());
}

bool ProvInfoListProxy::Exists(std::string strKey) {
  Bstr key(strKey);
  return BoolResult([&](VARIANT_BOOL* out) { return host()->Exists(key.Get(), out); });
}

}  // namespace vx4820cal::com
