#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// The calibration parameter store: parameter tables chosen per radio. A table is a
// Collection of value texts keyed by parameter name; none when the lookup failed.
class VX4820CAL_API IcalParameters : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{099A1AD1-A5AA-4E39-BFDF-23455B4DE1C8}";
  virtual std::shared_ptr<Collection> GetTableForConnectedRadio(std::shared_ptr<Itier>& objTier,
                                                                std::string strTable) = 0;
  virtual std::shared_ptr<Collection> GetTable(std::string strBand, std::string strModel, int16_t intHWVersion,
                                               std::string strTable, std::string strRadioOption) = 0;
  virtual bool LoadFile(std::string strFilename) = 0;
};

}  // namespace vx4820cal
