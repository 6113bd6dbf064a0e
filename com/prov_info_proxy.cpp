#include "com/prov_info_proxy.h"

#include "com/host_arguments.h"

namespace vx4820cal::com {

std::string ProvInfoProxy::MenuName() {
  return TextResult([&](BSTR* out) { return host()->get_MenuName(out); });
}

bool ProvInfoProxy::InMenu() {
  return BoolResult([&](VARIANT_BOOL* out) { return host()->get_InMenu(out); });
}

std::string ProvInfoProxy::Key() {
  return TextResult([&](BSTR* out) { return host()->get_Key(out); });
}

std::string ProvInfoProxy::NextKey() {
  return TextResult([&](BSTR* out) { return host()->get_NextKey(out); });
}

std::shared_ptr<vx4820cal::Iprovider> ProvInfoProxy::Provider() {
  return ObjectResult<vx4820cal::Iprovider, ::Iprovider>([&](::Iprovider** out) { return host()->get_Provider(out); });
}

std::shared_ptr<vx4820cal::IcolProvInfo> ProvInfoProxy::Versions() {
  return ObjectResult<vx4820cal::IcolProvInfo, ::IcolProvInfo>(
      [&](::IcolProvInfo** out) { return host()->get_Versions(out); });
}

void ProvInfoProxy::Init(std::string strComponent, std::string strModel, std::string strEmpty,
                         std::string& strVersion) {
  Bstr component(strComponent), model(strModel), empty(strEmpty);
  TextArg version(strVersion);
  VARIANT_BOOL ignored = VARIANT_FALSE;
  Check(host()->Init(component.Get(), model.Get(), empty.Get(), version.Place(), &ignored));
}

}  // namespace vx4820cal::com
