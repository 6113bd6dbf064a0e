#pragma once
// A field of a host provider as the core's Ifield.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class FieldProxy final : public vx4820cal::Ifield, public HostProxy<::Ifield> {
 public:
  using HostProxy::HostProxy;

  int32_t State() override;
  Variant Value(int32_t lngRecordNr) override;
  void Value(int32_t lngRecordNr, const Variant& vntValue) override;
};

}  // namespace vx4820cal::com
