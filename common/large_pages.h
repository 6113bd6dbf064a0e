#pragma once
// Memory for the blocks of a large load. The first touch of each fresh page costs a
// page fault, and a million-line file fills tens of megabytes in one go: blocks of
// 2 MiB and more are aligned to large pages and asked to be backed by them, so they
// cost a fault per 2 MiB instead of per 4 KiB where the system offers large pages.
// It is only advice: nothing else changes when the system declines.
#include <cstddef>

namespace vx4820cal::calparams {

inline constexpr size_t kLargePage = size_t{2} << 20;

// Uninitialised memory of `bytes`, aligned to at least `alignment`; throws
// std::bad_alloc when there is none.
void* AllocateBlock(size_t bytes, size_t alignment);
// Gives back a block of AllocateBlock with the same arguments.
void FreeBlock(void* block, size_t bytes, size_t alignment);

}  // namespace vx4820cal::calparams
