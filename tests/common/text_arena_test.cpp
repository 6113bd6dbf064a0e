// The values' arena: every kept text stays intact where it was put, whether it fits
// the current block, needs a new one, or is larger than any block.
#include "common/text_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx4820cal::calparams {
namespace {

TEST(TextArena, KeptTextsStayIntactAcrossBlocks) {
  for (size_t expected : {size_t{0}, size_t{64} << 20}) {
    TextArena arena;
    arena.Expect(expected);
    std::vector<std::pair<std::string, std::string_view>> kept;
    for (int i = 0; i < 20000; ++i) {
      // Mostly short values, now and then one larger than a block of large pages.
      std::string text = i % 5000 == 4999 ? std::string((size_t{3} << 20) + i, 'x') : "value " + std::to_string(i);
      kept.emplace_back(text, arena.Keep(text));
    }
    EXPECT_TRUE(arena.Keep("").empty());
    for (const auto& [text, copy] : kept) ASSERT_EQ(copy, text);
  }
}

}  // namespace
}  // namespace vx4820cal::calparams
