#include "com/enumerator_proxy.h"

#include "com/variant_bridge.h"

namespace vx4820cal::com {

bool EnumeratorProxy::Next(Variant& item) {
  ComVariant next;
  ULONG fetched = 0;
  HRESULT hr = host()->Next(1, next.Get(), &fetched);
  Check(hr);
  if (hr != S_OK || fetched == 0) return false;
  item = next.Core();
  return true;
}

}  // namespace vx4820cal::com
