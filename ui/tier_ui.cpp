#include "ui/tier_ui.h"

#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "ui/user_interface_module.h"

namespace vx4820cal {
namespace {

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

// Every lookup alike: true with the answer set when the field is defined; false with
// the answer untouched when it is not. A thread whose collection was never created
// fails with 91, reported under the lookup's own name.
template <class Answer, class Read>
bool Lookup(const char* procedure, const std::string& uiid, Answer& answer, Read read) {
  return TrapAndReport(procedure, false, [&] {
    // Hold the collection: a report while answering must not pull it away.
    std::shared_ptr<colUserFields> fields = Required(gcolUserFields);
    if (!fields->Exists(Variant(uiid))) return false;
    std::shared_ptr<clsUserField> record = fields->Item(uiid);
    answer = read(*record);
    return true;
  });
}

bool clsTierUI::GetATGridIDByUIID(std::string& UIID, std::string& ATGridID) {
  return Lookup("ItierUserInterface_GetATGridIDByUIID", UIID, ATGridID,
                [](const clsUserField& field) { return field.ATGridID(); });
}

bool clsTierUI::GetCustAccessLevelByUIID(std::string& UIID, int16_t& CustAccessLevel) {
  return Lookup("ItierUserInterface_GetCustAccessLevelByUIID", UIID, CustAccessLevel,
                [](const clsUserField& field) { return TextToInteger(field.CustAccessLevel()); });
}

bool clsTierUI::InitialiseUserInterface(std::shared_ptr<Itier>& objTier, ObjectRef& SchemaModule) {
  return TrapAndReport("ItierUserInterface_InitialiseUserInterface", false, [&] {
    tier_ = objTier;
    return vx4820cal::InitialiseUserInterface(SchemaModule);
  });
}

bool clsTierUI::GetNavLabelByUIID(std::string& UIID, std::string& NavLabel) {
  return Lookup("ItierUserInterface_GetNavLabelByUIID", UIID, NavLabel,
                [](const clsUserField& field) { return field.NavLabel(); });
}

bool clsTierUI::GetHelpIdByUIID(std::string& UIID, int32_t& HelpID) {
  return Lookup("ItierUserInterface_GetHelpIdByUIID", UIID, HelpID,
                [](const clsUserField& field) { return field.HelpID(); });
}

bool clsTierUI::GetUIWidthByUIID(std::string& UIID, int32_t& UIWidth) {
  return Lookup("ItierUserInterface_GetUIWidthByUIID", UIID, UIWidth,
                [](const clsUserField& field) { return field.UIWidth(); });
}

bool clsTierUI::GetLabelByUIID(std::string& UIID, std::string& Label) {
  return Lookup("ItierUserInterface_GetLabelByUIID", UIID, Label,
                [](const clsUserField& field) { return field.Label(); });
}

bool clsTierUI::GetUnitsByUIID(std::string& UIID, std::string& Units) {
  return Lookup("ItierUserInterface_GetUnitsByUIID", UIID, Units,
                [](const clsUserField& field) { return field.Units(); });
}

bool clsTierUI::GetFactoryVisible(std::string& UIID, int16_t& FactoryVisible) {
  return Lookup("ItierUserInterface_GetFactoryVisible", UIID, FactoryVisible,
                [](const clsUserField& field) { return TextToInteger(field.FactAccessLevel()); });
}

bool clsTierUI::GetCustVisInFact(std::string& UIID, bool& CustVisInFact) {
  return Lookup("ItierUserInterface_GetCustVisInFact", UIID, CustVisInFact,
                [](const clsUserField& field) { return field.FactButCustVis(); });
}

bool clsTierUI::GetDecimalSymbolByUIID(std::string& UIID, bool& DecimalSymbol) {
  return Lookup("ItierUserInterface_GetDecimalSymbolByUIID", UIID, DecimalSymbol,
                [](const clsUserField& field) { return field.DecimalSymbol(); });
}

}  // namespace

std::shared_ptr<ItierUserInterface> NewTierUI() { return std::make_shared<clsTierUI>(); }

}  // namespace vx4820cal
