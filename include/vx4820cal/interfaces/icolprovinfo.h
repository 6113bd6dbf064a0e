#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

// An ordered, optionally keyed collection of provider-info records.
class VX4820CAL_API IcolProvInfo : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{2B3B8430-11F8-4C44-9B24-DE98C88E9152}";
  virtual void Add(std::shared_ptr<IprovInfo> objProvInfo, std::string strKey) = 0;
  virtual std::shared_ptr<IprovInfo> Item(const Variant& vntIndexKey) = 0;
  virtual int32_t Count() = 0;
  virtual void Remove(const Variant& vntIndexKey) = 0;
  // An Ienumerator over the elements, as a plain object reference.
  virtual ObjectRef NewEnum() = 0;
  virtual bool Exists(std::string strKey) = 0;
};

}  // namespace vx4820cal
