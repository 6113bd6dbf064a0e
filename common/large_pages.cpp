#include "common/large_pages.h"

#include <algorithm>
#include <new>

#include "platform/platform.h"

namespace vx4820cal::calparams {
namespace {

bool IsLarge(size_t bytes) { return bytes >= kLargePage; }

// A large block takes whole large pages: a tail of small ones would fault per 4 KiB.
size_t RoundedSize(size_t bytes) { return IsLarge(bytes) ? (bytes + kLargePage - 1) & ~(kLargePage - 1) : bytes; }

std::align_val_t AlignmentFor(size_t bytes, size_t alignment) {
  return std::align_val_t{IsLarge(bytes) ? std::max(alignment, kLargePage) : alignment};
}

}  // namespace

void* AllocateBlock(size_t bytes, size_t alignment) {
  void* block = ::operator new(RoundedSize(bytes), AlignmentFor(bytes, alignment));
  if (IsLarge(bytes)) platform::AdviseLargePages(block, RoundedSize(bytes));
  return block;
}

void FreeBlock(void* block, size_t bytes, size_t alignment) {
  ::operator delete(block, AlignmentFor(bytes, alignment));
}

}  // namespace vx4820cal::calparams
