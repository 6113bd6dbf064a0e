#pragma once
// The tier user interface: field metadata by UIID, answered from the thread's field
// collection.
#include <memory>

#include "vx4820cal/interfaces/itier.h"
#include "vx4820cal/interfaces/itieruserinterface.h"

namespace vx4820cal {

class clsUserField;

class clsTierUI : public ItierUserInterface {
 public:
  bool GetATGridIDByUIID(std::string& UIID, std::string& ATGridID) override;
  bool GetCustAccessLevelByUIID(std::string& UIID, int16_t& CustAccessLevel) override;
  bool InitialiseUserInterface(std::shared_ptr<Itier>& objTier, ObjectRef& SchemaModule) override;
  bool GetNavLabelByUIID(std::string& UIID, std::string& NavLabel) override;
  bool GetHelpIdByUIID(std::string& UIID, int32_t& HelpID) override;
  bool GetUIWidthByUIID(std::string& UIID, int32_t& UIWidth) override;
  bool GetLabelByUIID(std::string& UIID, std::string& Label) override;
  bool GetUnitsByUIID(std::string& UIID, std::string& Units) override;
  bool GetFactoryVisible(std::string& UIID, int16_t& FactoryVisible) override;
  bool GetCustVisInFact(std::string& UIID, bool& CustVisInFact) override;
  bool GetDecimalSymbolByUIID(std::string& UIID, bool& DecimalSymbol) override;

 private:
  std::shared_ptr<Itier> tier_;
};

std::shared_ptr<ItierUserInterface> NewTierUI();

}  // namespace vx4820cal
