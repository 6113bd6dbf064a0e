#include "com/provider_proxy.h"

#include "com/host_arguments.h"

namespace vx4820cal::com {

int16_t ProviderProxy::GetListID(std::string& UIID) {
  TextArg uiid(UIID);
  short list = 0;
  Check(host()->GetListID(uiid.Place(), &list));
  return list;
}

std::shared_ptr<vx4820cal::Ifield> ProviderProxy::Field(std::string strFieldID) {
  Bstr field(strFieldID);
  return ObjectResult<vx4820cal::Ifield, ::Ifield>([&](::Ifield** out) { return host()->Field(field.Get(), out); });
}

}  // namespace vx4820cal::com
