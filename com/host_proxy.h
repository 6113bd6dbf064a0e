#pragma once
// The core-side face of a host COM object: holds the host's interface pointer, and
// gives it back when the object crosses to the host again.
#include "com/com_errors.h"
#include "com/com_ptr.h"
#include "com/object_bridge.h"

namespace vx4820cal::com {

template <class I>
class HostProxy : public HostBacked {
 public:
  explicit HostProxy(ComPtr<I> host) : host_(std::move(host)) {}
  IUnknown* HostObject() const override { return host_.Get(); }

 protected:
  I* host() const { return host_.Get(); }

 private:
  ComPtr<I> host_;
};

}  // namespace vx4820cal::com
