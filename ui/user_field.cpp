#include "ui/user_field.h"

#include <cstring>
#include <limits>

#include "common/conversions.h"
#include "common/error_convention.h"

namespace vx4820cal {

clsUserField::clsUserField(const UserFieldCells& values, calparams::TextArena& texts)
    : help_id_(values.HelpID),
      ui_width_(values.UIWidth),
      fact_access_level_(values.intFactAccessLevel),
      cust_access_level_(values.intCustAccessLevel),
      fact_but_cust_vis_(values.blnFactButCustVis),
      decimal_symbol_(values.blnDecimalSymbol) {
  Texts all{};
  all[kUIID] = values.UIID;
  all[kLabel] = values.Label;
  all[kUnits] = values.Units;
  all[kSpclRestrictions] = values.strSpclRestrictions;
  all[kNavLabel] = values.strNavLabel;
  all[kATGridID] = values.strATGridID;
  UseTexts(all, texts.Room(TotalSize(all)));
}

// Only the two access-level writers can fail on their input; every other accessor
// stores or returns its field and needs no trap.
void clsUserField::FactAccessLevel(const std::string& strValue) {
  TrapAndReport("FactAccessLevel Let", [&] { fact_access_level_ = TextToInteger(strValue); });
}

std::string clsUserField::FactAccessLevel() const { return std::to_string(fact_access_level_); }

void clsUserField::CustAccessLevel(const std::string& strValue) {
  TrapAndReport("CustAccessLevel Let", [&] { cust_access_level_ = TextToInteger(strValue); });
}

std::string clsUserField::CustAccessLevel() const { return std::to_string(cust_access_level_); }

clsUserField::Texts clsUserField::AllTexts() const {
  Texts all{};
  for (int slot = 0; slot < kTextCount; ++slot) all[slot] = TextView(static_cast<TextSlot>(slot));
  return all;
}

void clsUserField::SetText(TextSlot slot, std::string_view value) {
  Texts all = AllTexts();
  all[slot] = value;
  OwnTexts(all);
}

void clsUserField::CopyFrom(const clsUserField& other) {
  OwnTexts(other.AllTexts());
  help_id_ = other.help_id_;
  ui_width_ = other.ui_width_;
  ui_width_default_ = other.ui_width_default_;
  fact_access_level_ = other.fact_access_level_;
  cust_access_level_ = other.cust_access_level_;
  fact_but_cust_vis_ = other.fact_but_cust_vis_;
  decimal_symbol_ = other.decimal_symbol_;
}

size_t clsUserField::TotalSize(const Texts& texts) {
  size_t total = 0;
  for (std::string_view text : texts) total += text.size();
  if (total > std::numeric_limits<uint32_t>::max()) throw RuntimeError(err::kOutOfMemory);
  return total;
}

void clsUserField::UseTexts(const Texts& texts, char* run) {
  uint32_t end = 0;
  for (int slot = 0; slot < kTextCount; ++slot) {
    if (!texts[slot].empty()) std::memcpy(run + end, texts[slot].data(), texts[slot].size());
    end += static_cast<uint32_t>(texts[slot].size());
    ends_[slot] = end;
  }
  texts_ = run;
}

void clsUserField::OwnTexts(const Texts& texts) {
  // The new copy is made before the old one goes: a text may come from the old one.
  std::unique_ptr<char[]> run(new char[std::max<size_t>(1, TotalSize(texts))]);
  UseTexts(texts, run.get());
  own_texts_ = std::move(run);
}

}  // namespace vx4820cal
