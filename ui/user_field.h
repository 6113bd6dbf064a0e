#pragma once
// One field's metadata as the host shows it: label, units, width, access levels and
// the rest, stored under the field's UIID.
#include <cstdint>
#include <string>

#include "vx4820cal/object.h"

namespace vx4820cal {

class clsUserField : public virtual Object {
 public:
  // The access levels are kept as 16-bit numbers but pass through their accessors as
  // text: the writer takes a number in the user's notation (errors 13 and 6 are
  // reported and leave the level unchanged), the reader gives decimal text.
  void FactAccessLevel(const std::string& strValue);
  std::string FactAccessLevel() const;
  void FactButCustVis(bool blnValue) { fact_but_cust_vis_ = blnValue; }
  bool FactButCustVis() const { return fact_but_cust_vis_; }
  void CustAccessLevel(const std::string& strValue);
  std::string CustAccessLevel() const;
  void SpclRestrictions(std::string strValue) { spcl_restrictions_ = std::move(strValue); }
  const std::string& SpclRestrictions() const { return spcl_restrictions_; }
  void UIWidth(int32_t lngValue) { ui_width_ = lngValue; }
  int32_t UIWidth() const { return ui_width_; }
  void Units(std::string strValue) { units_ = std::move(strValue); }
  const std::string& Units() const { return units_; }
  void HelpID(int32_t lngValue) { help_id_ = lngValue; }
  int32_t HelpID() const { return help_id_; }
  void Label(std::string strValue) { label_ = std::move(strValue); }
  const std::string& Label() const { return label_; }
  void NavLabel(std::string strValue) { nav_label_ = std::move(strValue); }
  const std::string& NavLabel() const { return nav_label_; }
  void UIID(std::string strValue) { uiid_ = std::move(strValue); }
  const std::string& UIID() const { return uiid_; }
  int32_t UIWidthDefault() const { return ui_width_default_; }
  void UIWidthDefault(int32_t lngValue) { ui_width_default_ = lngValue; }
  const std::string& ATGridID() const { return at_grid_id_; }
  void ATGridID(std::string strValue) { at_grid_id_ = std::move(strValue); }
  bool DecimalSymbol() const { return decimal_symbol_; }
  void DecimalSymbol(bool blnValue) { decimal_symbol_ = blnValue; }

 private:
  std::string uiid_;
  std::string label_;
  int32_t help_id_ = 0;
  std::string units_;
  int32_t ui_width_ = 0;
  int32_t ui_width_default_ = 0;
  int16_t fact_access_level_ = 0;
  bool fact_but_cust_vis_ = false;
  int16_t cust_access_level_ = 0;
  std::string spcl_restrictions_;
  std::string nav_label_;
  std::string at_grid_id_;
  bool decimal_symbol_ = false;
};

}  // namespace vx4820cal
