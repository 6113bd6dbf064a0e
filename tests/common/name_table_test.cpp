// The loader's name table: one kept copy per distinct text, at an address that stays
// while the table grows.
#include "common/name_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vx4820cal::calparams {
namespace {

TEST(NameTable, OneCopyPerDistinctTextWhileGrowing) {
  NameTable table;
  std::map<std::string, const std::string*> kept;
  // Texts that differ only past the first eight bytes, in length alone, by an
  // embedded NUL, in letter case, or not at all.
  std::vector<std::string> texts = {"", "a", "A", "TxGainLow", "TxGainLox", "TxGainLowX", std::string("Tx\0a", 4),
                                    std::string("Tx\0b", 4)};
  for (int i = 0; i < 5000; ++i) texts.push_back("RxOffset" + std::to_string(i));
  for (int round = 0; round < 2; ++round) {
    for (const std::string& text : texts) {
      const std::string* copy = table.Intern(text);
      ASSERT_EQ(*copy, text);
      auto [it, added] = kept.emplace(text, copy);
      ASSERT_EQ(it->second, copy) << text;  // the same address, however large the table grew since
    }
  }
  EXPECT_EQ(table.size(), texts.size());
}

}  // namespace
}  // namespace vx4820cal::calparams
