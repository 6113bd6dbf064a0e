#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// A host provider-info record: one tier version, linked into a chain by NextKey.
class VX4820CAL_API IprovInfo : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{A10AB875-E48E-4FC8-8DA1-C4A14D4C0A90}";
  // The host class the component creates records from.
  static constexpr std::string_view kHostClassName = "clsProvInfo";
  static constexpr std::string_view kHostClassID = "{5C15E4EC-44ED-4CDE-A42E-B1B145E1BBA2}";
  virtual std::string MenuName() = 0;
  virtual bool InMenu() = 0;
  virtual std::string Key() = 0;
  virtual std::string NextKey() = 0;
  virtual std::shared_ptr<Iprovider> Provider() = 0;
  virtual std::shared_ptr<IcolProvInfo> Versions() = 0;
  virtual void Init(std::string strComponent, std::string strModel, std::string strEmpty, std::string& strVersion) = 0;
};

}  // namespace vx4820cal
