#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

// A host record set of one tier's data.
class VX4820CAL_API Iprovider : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{B32E6AC5-2532-478B-B53D-3DE5B10F95D4}";
  // -1: the field has no list; 831: the band list.
  virtual int16_t GetListID(std::string& UIID) = 0;
  virtual std::shared_ptr<Ifield> Field(std::string strFieldID) = 0;
};

// One field of a provider, with a value per record (records count from 1).
class VX4820CAL_API Ifield : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{9AC8F23D-7157-4594-80E5-1C3E726D5A26}";
  virtual int32_t State() = 0;
  virtual Variant Value(int32_t lngRecordNr) = 0;
  virtual void Value(int32_t lngRecordNr, const Variant& vntValue) = 0;
};

}  // namespace vx4820cal
