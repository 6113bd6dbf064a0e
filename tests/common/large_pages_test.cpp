// Large-page memory as a standard container's: small and large blocks alike hold what
// is put in them across growth, and a large one starts on a large-page boundary.
#include "common/large_pages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vx4820cal::calparams {
namespace {

TEST(LargePageAllocator, GrowsFromSmallToLargeBlocksKeepingTheElements) {
  std::vector<uint64_t, LargePageAllocator<uint64_t>> values;
  const size_t count = 3 * kLargePage / sizeof(uint64_t);  // past several large pages
  for (size_t i = 0; i < count; ++i) values.push_back(i * 7);
  for (size_t i = 0; i < count; i += 4099) ASSERT_EQ(values[i], i * 7) << i;
  EXPECT_EQ(values.back(), (count - 1) * 7);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(values.data()) % kLargePage, 0u);
  values.resize(10);
  values.shrink_to_fit();  // back to a small block
  EXPECT_EQ(values[9], 63u);
}

}  // namespace
}  // namespace vx4820cal::calparams
