#include "common/large_pages.h"

#include <sys/mman.h>

#include <algorithm>
#include <new>

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
#ifdef MADV_HUGEPAGE
  if (IsLarge(bytes)) ::madvise(block, RoundedSize(bytes), MADV_HUGEPAGE);
#endif
  return block;
}

void FreeBlock(void* block, size_t bytes, size_t alignment) {
  ::operator delete(block, AlignmentFor(bytes, alignment));
}

}  // namespace vx4820cal::calparams
