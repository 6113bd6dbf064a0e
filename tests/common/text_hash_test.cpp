// The tables' text hash reads every byte of a text, the last few included, and no
// byte beyond it: a changed byte at any place of a text of any length changes the
// hash, and bytes after the text's end do not.
#include "vx4820cal/text_hash.h"

#include <gtest/gtest.h>

#include <string>

namespace vx4820cal {
namespace {

TEST(TextHash, EveryByteCountsAndNothingBeyondTheEnd) {
  for (size_t size = 0; size <= 40; ++size) {
    std::string buffer(size + 8, 'x');
    for (size_t i = 0; i < size; ++i) buffer[i] = static_cast<char>('a' + i % 26);
    const std::string_view text(buffer.data(), size);
    const uint64_t hash = HashText(text);
    for (size_t i = 0; i < size; ++i) {
      std::string changed(text);
      changed[i] = static_cast<char>(changed[i] ^ 0x80);
      EXPECT_NE(HashText(changed), hash) << "size " << size << ", byte " << i;
    }
    buffer.replace(size, 8, 8, 'y');
    EXPECT_EQ(HashText(std::string_view(buffer.data(), size)), hash) << "size " << size;
    EXPECT_NE(HashText(std::string_view(buffer.data(), size + 1)), hash) << "size " << size;
  }
}

}  // namespace
}  // namespace vx4820cal
