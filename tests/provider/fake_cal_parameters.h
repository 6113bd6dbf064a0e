#pragma once
// A parameter store that answers the tables a test builds, per band and table name,
// and records every lookup. A table that was not built is answered as an empty one,
// as the real lookup answers when nothing matches.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "vx4820cal/collection.h"
#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/icalparameters.h"

namespace vx4820cal::test_support {

struct TableLookup {
  std::string band, model;
  int16_t hw_version;
  std::string table, radio_option;
};

class FakeCalParameters : public IcalParameters {
 public:
  // The table answered for band and table name, created empty on first use.
  Collection& Table(const std::string& band, const std::string& table) {
    auto& answer = tables_[{band, table}];
    if (!answer) answer = std::make_shared<Collection>();
    return *answer;
  }
  // The lookup fails as when it has reported its own error: it answers none.
  void AnswerNone(const std::string& band, const std::string& table) { tables_[{band, table}] = nullptr; }

  std::shared_ptr<Collection> GetTable(std::string strBand, std::string strModel, int16_t intHWVersion,
                                       std::string strTable, std::string strRadioOption) override {
    lookups.push_back({strBand, strModel, intHWVersion, strTable, strRadioOption});
    auto it = tables_.find({strBand, strTable});
    if (it == tables_.end()) return std::make_shared<Collection>();
    return it->second;
  }
  std::shared_ptr<Collection> GetTableForConnectedRadio(std::shared_ptr<Itier>&, std::string) override {
    throw RuntimeError(err::kInvalidArgument);
  }
  bool LoadFile(std::string) override { return true; }

  std::vector<TableLookup> lookups;

 private:
  std::map<std::pair<std::string, std::string>, std::shared_ptr<Collection>> tables_;
};

}  // namespace vx4820cal::test_support
