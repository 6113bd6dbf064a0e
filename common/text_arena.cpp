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
  char* kept = Room(text.size());
  std::memcpy(kept, text.data(), text.size());
  return {kept, text.size()};
}

const char* TextArena::Keep(std::string_view first, std::string_view second) {
  char* kept = Room(first.size() + second.size());
  if (!first.empty()) std::memcpy(kept, first.data(), first.size());
  if (!second.empty()) std::memcpy(kept + first.size(), second.data(), second.size());
  return kept;
}

char* TextArena::Room(size_t bytes) {
  if (bytes > room_) AddBlock(bytes);
  char* room = next_;
  next_ += bytes;
  room_ -= bytes;
  return room;
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
