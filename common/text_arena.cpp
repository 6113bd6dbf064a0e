#include "common/text_arena.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "common/large_pages.h"

namespace vx4820cal::calparams {

TextArena::~TextArena() {
  for (auto [block, size] : blocks_) FreeBlock(block, size, 1);
}

void TextArena::Expect(size_t bytes) {
  if (blocks_.empty()) block_size_ = std::clamp(std::bit_ceil(bytes), block_size_, kLargePage);
}

std::string_view TextArena::Keep(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > room_) AddBlock(text.size());
  char* kept = next_;
  std::memcpy(kept, text.data(), text.size());
  next_ += text.size();
  room_ -= text.size();
  return {kept, text.size()};
}

void TextArena::AddBlock(size_t at_least) {
  const size_t size = std::max(block_size_, at_least);
  blocks_.reserve(blocks_.size() + 1);
  char* block = static_cast<char*>(AllocateBlock(size, 1));
  blocks_.emplace_back(block, size);
  next_ = block;
  room_ = size;
  block_size_ = std::min(block_size_ * 2, kLargePage);
}

}  // namespace vx4820cal::calparams
