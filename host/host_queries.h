#pragma once
// The questions a host puts to the tier's objects in a session, each answered as plain
// values: what the host would show in its lists, tables and forms.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/sim_delegate_provider_owner.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::simhost {

bool operator==(const FrequencyRanges& a, const FrequencyRanges& b);

// The texts in column 0 of every row, from row 0.
std::vector<std::string> ListTexts(XArrayDBObject& list);

// A selection list the host fills for one field of a provider.
struct ComboItems {
  bool answer = false;
  std::vector<std::string> items;
};
ComboItems AskComboItems(IproviderOwner& owner, std::shared_ptr<Iprovider> provider, std::string uiid);

FrequencyRanges AskFrequencyRanges(IproviderOwner& owner, int32_t band);
FrequencyRanges AskCurrentFrequencyRanges(IproviderOwner& owner);

// What the host shows about one field; defined is the answer of the label lookup.
struct FieldMetadata {
  bool defined = false;
  std::string label;
  std::string units;
  int32_t width = 0;
  int32_t help_id = 0;
  std::string nav_label;
  std::string grid;
};
FieldMetadata AskFieldMetadata(ItierUserInterface& ui, std::string uiid);

// The value texts of the named entries of a parameter table, "<none>" for a name it
// lacks; empty when there is no table.
std::vector<std::string> TableValues(const std::shared_ptr<Collection>& table, const std::vector<std::string>& names);

}  // namespace vx4820cal::simhost
