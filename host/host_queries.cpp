#include "host/host_queries.h"

#include "host/sim_delegate_validator.h"
#include "host/sim_xarraydb.h"

namespace vx4820cal::simhost {

bool operator==(const FrequencyRanges& a, const FrequencyRanges& b) {
  return a.rx_min == b.rx_min && a.rx_max == b.rx_max && a.tx_min == b.tx_min && a.tx_max == b.tx_max &&
         a.divisor == b.divisor;
}

std::vector<std::string> ListTexts(XArrayDBObject& list) {
  std::vector<std::string> texts;
  if (list.UpperBound(2) < 0) return texts;
  for (int32_t row = 0; row <= list.UpperBound(1); ++row) texts.push_back(VariantLogText(list.Value(row, 0)));
  return texts;
}

ComboItems AskComboItems(IproviderOwner& owner, std::shared_ptr<Iprovider> provider, std::string uiid) {
  std::shared_ptr<XArrayDBObject> list = std::make_shared<SimXArrayDB>();
  int32_t record = 1;
  ComboItems combo;
  combo.answer = owner.GetComboItemsByUIID(provider, uiid, record, list);
  combo.items = ListTexts(*list);
  return combo;
}

FrequencyRanges AskFrequencyRanges(IproviderOwner& owner, int32_t band) {
  FrequencyRanges ranges;
  owner.GetFrequencyRanges(band, ranges.rx_min, ranges.rx_max, ranges.tx_min, ranges.tx_max, ranges.divisor);
  return ranges;
}

FrequencyRanges AskCurrentFrequencyRanges(IproviderOwner& owner) {
  FrequencyRanges ranges;
  owner.GetCurrentFrequencyRanges(ranges.rx_min, ranges.rx_max, ranges.tx_min, ranges.tx_max, ranges.divisor);
  return ranges;
}

FieldMetadata AskFieldMetadata(ItierUserInterface& ui, std::string uiid) {
  FieldMetadata field;
  field.defined = ui.GetLabelByUIID(uiid, field.label);
  ui.GetUnitsByUIID(uiid, field.units);
  ui.GetUIWidthByUIID(uiid, field.width);
  ui.GetHelpIdByUIID(uiid, field.help_id);
  ui.GetNavLabelByUIID(uiid, field.nav_label);
  ui.GetATGridIDByUIID(uiid, field.grid);
  return field;
}

std::vector<std::string> TableValues(const std::shared_ptr<Collection>& table, const std::vector<std::string>& names) {
  std::vector<std::string> values;
  if (!table) return values;
  for (const std::string& name : names) {
    const Variant* value = table->Find(name);
    values.push_back(value ? VariantLogText(*value) : "<none>");
  }
  return values;
}

}  // namespace vx4820cal::simhost
