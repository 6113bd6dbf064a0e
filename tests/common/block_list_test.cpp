// The store's block list: elements stay where they were put while the list grows
// over many blocks, are found by position across block boundaries, and are destroyed
// exactly once.
#include "common/block_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx4820cal::calparams {
namespace {

struct Counted {
  explicit Counted(size_t v, int& alive) : value(v), alive(&alive) { ++alive; }
  Counted(const Counted&) = delete;
  ~Counted() { --*alive; }
  size_t value;
  int* alive;
};

TEST(BlockList, KeepsOrderAndAddressesAcrossBlocksAndDestroysEachOnce) {
  int alive = 0;
  {
    BlockList<Counted> list;
    std::vector<const Counted*> addresses;
    // Past several block boundaries (256, 768, 1792, ...) up to a block of large pages.
    constexpr size_t kCount = 70000;
    for (size_t i = 0; i < kCount; ++i) addresses.push_back(&list.emplace_back(i, alive));
    ASSERT_EQ(list.size(), kCount);
    EXPECT_EQ(alive, static_cast<int>(kCount));
    for (size_t i = 0; i < kCount; ++i) {
      ASSERT_EQ(&list[i], addresses[i]) << i;
      ASSERT_EQ(list[i].value, i);
    }
    size_t expected = 0;
    for (const Counted& element : list) ASSERT_EQ(element.value, expected++);
    EXPECT_EQ(expected, kCount);
  }
  EXPECT_EQ(alive, 0);
}

TEST(BlockList, StartsEmptyAndHoldsNonTrivialElements) {
  BlockList<std::string> list;
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.begin(), list.end());
  for (int i = 0; i < 300; ++i) list.emplace_back(40, static_cast<char>('a' + i % 26));
  EXPECT_EQ(list[299], std::string(40, 'a' + 299 % 26));
}

}  // namespace
}  // namespace vx4820cal::calparams
