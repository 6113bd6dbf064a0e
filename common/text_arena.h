#pragma once
// Texts copied end to end into large blocks: a million short values cost neither an
// allocation nor a string object each. They stay put for as long as the arena lives.
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace vx4820cal::calparams {

class TextArena {
 public:
  TextArena() = default;
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;
  ~TextArena();

  // Before the first text: how many bytes a large file may bring, so that the arena
  // starts with blocks of large pages.
  void Expect(size_t bytes);
  // The kept copy of text.
  std::string_view Keep(std::string_view text);
  // A copy of first and second end to end; where it begins.
  const char* Keep(std::string_view first, std::string_view second);
  // Room for `bytes` more bytes, kept like a text; the caller fills it.
  char* Room(size_t bytes);

 private:
  void AddBlock(size_t at_least);

  std::vector<std::pair<char*, size_t>> blocks_;  // each block and its size
  char* next_ = nullptr;                          // free room of the last block
  size_t room_ = 0;
  size_t block_size_ = size_t{4} << 10;  // of the next block; doubles up to a large page
};

}  // namespace vx4820cal::calparams
