#pragma once
// One field's metadata as the host shows it: label, units, width, access levels and
// the rest, stored under the field's UIID.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/text_arena.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// The values a new record takes, in the order of colUserFields::Add's parameters.
// Every member has an initializer, so a caller names only the values it sets. Text is
// std::string for values a caller keeps, std::string_view for cells of a line being
// read, which the record then copies once.
template <class Text>
struct FieldValues {
  Text UIID{};
  Text Label{};
  int32_t HelpID = 0;
  Text Units{};
  int32_t UIWidth = 0;
  int16_t intFactAccessLevel = 0;
  bool blnFactButCustVis = false;
  int16_t intCustAccessLevel = 0;
  Text strSpclRestrictions{};
  Text strATGridID{};
  bool blnDecimalSymbol = false;
  Text strNavLabel{};
};
using UserFieldValues = FieldValues<std::string>;
using UserFieldCells = FieldValues<std::string_view>;

class clsUserField : public virtual Object {
 public:
  clsUserField() = default;
  // A record of the values whose texts are copied into `texts`, which must outlive it:
  // a collection of a million records keeps them without an allocation each.
  clsUserField(const UserFieldCells& values, calparams::TextArena& texts);
  clsUserField(const clsUserField& other) : Object(other) { CopyFrom(other); }
  clsUserField& operator=(const clsUserField& other) {
    if (this != &other) CopyFrom(other);
    return *this;
  }

  // The access levels are kept as 16-bit numbers but pass through their accessors as
  // text: the writer takes a number in the user's notation (errors 13 and 6 are
  // reported and leave the level unchanged), the reader gives decimal text.
  void FactAccessLevel(const std::string& strValue);
  std::string FactAccessLevel() const;
  // The levels as numbers, for a reader that writes them out itself.
  int16_t FactAccessLevelNumber() const { return fact_access_level_; }
  int16_t CustAccessLevelNumber() const { return cust_access_level_; }
  void FactButCustVis(bool blnValue) { fact_but_cust_vis_ = blnValue; }
  bool FactButCustVis() const { return fact_but_cust_vis_; }
  void CustAccessLevel(const std::string& strValue);
  std::string CustAccessLevel() const;
  void SpclRestrictions(std::string_view strValue) { SetText(kSpclRestrictions, strValue); }
  std::string SpclRestrictions() const { return Text(kSpclRestrictions); }
  void UIWidth(int32_t lngValue) { ui_width_ = lngValue; }
  int32_t UIWidth() const { return ui_width_; }
  void Units(std::string_view strValue) { SetText(kUnits, strValue); }
  std::string Units() const { return Text(kUnits); }
  void HelpID(int32_t lngValue) { help_id_ = lngValue; }
  int32_t HelpID() const { return help_id_; }
  void Label(std::string_view strValue) { SetText(kLabel, strValue); }
  std::string Label() const { return Text(kLabel); }
  void NavLabel(std::string_view strValue) { SetText(kNavLabel, strValue); }
  std::string NavLabel() const { return Text(kNavLabel); }
  void UIID(std::string_view strValue) { SetText(kUIID, strValue); }
  std::string UIID() const { return Text(kUIID); }
  // The texts without a copy, valid while the record is unchanged.
  std::string_view UIIDView() const { return TextView(kUIID); }
  std::string_view LabelView() const { return TextView(kLabel); }
  std::string_view UnitsView() const { return TextView(kUnits); }
  std::string_view SpclRestrictionsView() const { return TextView(kSpclRestrictions); }
  std::string_view NavLabelView() const { return TextView(kNavLabel); }
  std::string_view ATGridIDView() const { return TextView(kATGridID); }
  int32_t UIWidthDefault() const { return ui_width_default_; }
  void UIWidthDefault(int32_t lngValue) { ui_width_default_ = lngValue; }
  std::string ATGridID() const { return Text(kATGridID); }
  void ATGridID(std::string_view strValue) { SetText(kATGridID, strValue); }
  bool DecimalSymbol() const { return decimal_symbol_; }
  void DecimalSymbol(bool blnValue) { decimal_symbol_ = blnValue; }

 private:
  enum TextSlot { kUIID, kLabel, kUnits, kSpclRestrictions, kNavLabel, kATGridID, kTextCount };
  using Texts = std::array<std::string_view, kTextCount>;

  std::string_view TextView(TextSlot slot) const {
    const uint32_t begin = slot == 0 ? 0 : ends_[slot - 1];
    return {texts_ + begin, ends_[slot] - begin};
  }
  std::string Text(TextSlot slot) const { return std::string(TextView(slot)); }
  Texts AllTexts() const;
  void SetText(TextSlot slot, std::string_view value);
  void CopyFrom(const clsUserField& other);
  // The texts' total size; error 7 when the offsets cannot hold it.
  static size_t TotalSize(const Texts& texts);
  // Copies the texts end to end into `run` (room for TotalSize) and uses that copy.
  void UseTexts(const Texts& texts, char* run);
  // Copies the texts into a block of the record's own.
  void OwnTexts(const Texts& texts);

  // Kept small: a collection holds a record per line of a large file. The six texts
  // lie end to end, in the collection's arena or in own_texts_.
  const char* texts_ = nullptr;
  std::unique_ptr<char[]> own_texts_;
  std::array<uint32_t, kTextCount> ends_{};
  int32_t help_id_ = 0;
  int32_t ui_width_ = 0;
  int32_t ui_width_default_ = 0;
  int16_t fact_access_level_ = 0;
  int16_t cust_access_level_ = 0;
  bool fact_but_cust_vis_ = false;
  bool decimal_symbol_ = false;
};

}  // namespace vx4820cal
