// The pool's text index: every text added is found again after the table has grown
// many times, texts that share a hash are told apart, and texts never added (or only
// a prefix of one) are not found.
#include "common/text_index.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

namespace vx4820cal::calparams {
namespace {

TEST(TextIndex, FindsWhatWasAddedAcrossGrowthAndTellsCollisionsApart) {
  // A hash of 0 or 1 for every text: each probe runs through texts of the same hash.
  for (bool colliding : {false, true}) {
    const auto hash_of = [&](std::string_view text) {
      return colliding ? TextIndex<const int>::HashOf(text) & 1 : TextIndex<const int>::HashOf(text);
    };
    std::deque<std::string> texts;
    std::deque<int> values;
    TextIndex<const int> index;
    const int count = colliding ? 500 : 20000;
    for (int i = 0; i < count; ++i) {
      texts.push_back(",H" + std::to_string(i) + ",");
      values.push_back(i);
      ASSERT_EQ(index.Find(texts.back(), hash_of(texts.back())), nullptr);
      index.Add(texts.back(), hash_of(texts.back()), &values.back());
    }
    EXPECT_EQ(index.size(), static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
      const int* found = index.Find(texts[i], hash_of(texts[i]));
      ASSERT_NE(found, nullptr) << texts[i];
      ASSERT_EQ(*found, i);
    }
    for (std::string_view absent : {",H,", ",H1", "", ",h1,"}) EXPECT_EQ(index.Find(absent, hash_of(absent)), nullptr);
  }
}

}  // namespace
}  // namespace vx4820cal::calparams
