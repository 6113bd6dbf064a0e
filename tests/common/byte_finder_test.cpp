#include "common/byte_finder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

namespace vx4820cal {
namespace {

// Every place of the byte, found forward from every start, in texts of every length
// around the 16- and 64-byte steps, as a plain search finds it. Each text is a heap
// copy of exactly its size, so that a read beyond it shows under the sanitizers.
TEST(ByteFinder, FindsWhatAPlainSearchFinds) {
  std::mt19937 random(4820);
  for (size_t size = 0; size <= 200; ++size) {
    for (int round = 0; round < 4; ++round) {
      std::string text(size, 'x');
      for (char& c : text) c = random() % (round + 2) == 0 ? '\t' : static_cast<char>('a' + random() % 26);
      const auto copy = std::make_unique<char[]>(size);
      std::copy(text.begin(), text.end(), copy.get());
      ByteFinder<'\t'> tabs;
      for (size_t from = 0; from <= size;) {
        const size_t expected = std::min(std::string_view(text).find('\t', from), size);
        const size_t found = tabs.Find(copy.get(), from, size);
        ASSERT_EQ(found, expected) << "size " << size << " from " << from;
        from = found + 1;
      }
    }
  }
}

}  // namespace
}  // namespace vx4820cal
