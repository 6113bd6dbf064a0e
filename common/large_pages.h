#pragma once
// Memory for the blocks of a large load. The first touch of each fresh page costs a
// page fault, and a million-line file fills tens of megabytes in one go: blocks of
// 2 MiB and more are aligned to large pages and asked to be backed by them, so they
// cost a fault per 2 MiB instead of per 4 KiB where the system offers large pages.
// It is only advice, up to a budget (see large_pages.cpp): nothing else
// changes when the system declines.
#include <cstddef>

namespace vx4820cal::calparams {

inline constexpr size_t kLargePage = size_t{2} << 20;

// Uninitialised memory of `bytes`, aligned to at least `alignment`; throws
// std::bad_alloc when there is none.
void* AllocateBlock(size_t bytes, size_t alignment);
// Gives back a block of AllocateBlock with the same arguments.
void FreeBlock(void* block, size_t bytes, size_t alignment);

// The same for a standard container that grows large, such as the index of a
// million keys: looked up at random, it then misses the address cache per large page
// rather than per small one.
template <class T>
struct LargePageAllocator {
  using value_type = T;
  LargePageAllocator() = default;
  template <class U>
  LargePageAllocator(const LargePageAllocator<U>&) {}
  T* allocate(size_t count) { return static_cast<T*>(AllocateBlock(count * sizeof(T), alignof(T))); }
  void deallocate(T* block, size_t count) { FreeBlock(block, count * sizeof(T), alignof(T)); }
  friend bool operator==(const LargePageAllocator&, const LargePageAllocator&) { return true; }
};

}  // namespace vx4820cal::calparams
