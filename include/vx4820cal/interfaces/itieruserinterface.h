#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// Field metadata by UIID. Each lookup answers true and sets its answer parameter when
// the field is defined, and leaves the parameter untouched otherwise.
class VX4820CAL_API ItierUserInterface : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{0B6B387C-C430-4D5A-B137-304BD793BB42}";
  virtual bool GetATGridIDByUIID(std::string& UIID, std::string& ATGridID) = 0;
  virtual bool GetCustAccessLevelByUIID(std::string& UIID, int16_t& CustAccessLevel) = 0;
  // SchemaModule is optional: none when absent.
  virtual bool InitialiseUserInterface(std::shared_ptr<Itier>& objTier, ObjectRef& SchemaModule) = 0;
  virtual bool GetNavLabelByUIID(std::string& UIID, std::string& NavLabel) = 0;
  virtual bool GetHelpIdByUIID(std::string& UIID, int32_t& HelpID) = 0;
  virtual bool GetUIWidthByUIID(std::string& UIID, int32_t& UIWidth) = 0;
  virtual bool GetLabelByUIID(std::string& UIID, std::string& Label) = 0;
  virtual bool GetUnitsByUIID(std::string& UIID, std::string& Units) = 0;
  virtual bool GetFactoryVisible(std::string& UIID, int16_t& FactoryVisible) = 0;
  virtual bool GetCustVisInFact(std::string& UIID, bool& CustVisInFact) = 0;
  virtual bool GetDecimalSymbolByUIID(std::string& UIID, bool& DecimalSymbol) = 0;
};

}  // namespace vx4820cal
