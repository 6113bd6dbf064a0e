#include "common/large_pages.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <new>

#include "platform/platform.h"

namespace vx4820cal::calparams {
namespace {

bool IsLarge(size_t bytes) { return bytes >= kLargePage; }

// Large pages pay where the system has them at hand. A virtual machine that hands
// freed memory back to its host has at hand only those freed moments before; any
// other large page is backed anew, at several times the cost of its small pages.
// So the advice covers large blocks while the process holds no more of them than a
// load of a million lines asks for, and only while the first page of each comes
// quickly: one that comes slowly (tens of times a small page's fault) shows that the
// system has none at hand, and the process goes on with small pages.
constexpr size_t kAdvisedBudget = size_t{64} << 20;
constexpr auto kSlowLargePage = std::chrono::milliseconds(1);
std::atomic<size_t> large_bytes_held{0};
std::atomic<bool> large_pages_at_hand{true};

// Touches the block's first page, which the caller is about to fill anyway.
bool FirstPageComesQuickly(void* block) {
  const auto start = std::chrono::steady_clock::now();
  *static_cast<volatile char*>(block) = 0;
  return std::chrono::steady_clock::now() - start < kSlowLargePage;
}

void Advise(void* block, size_t size) {
  if (large_bytes_held.fetch_add(size, std::memory_order_relaxed) + size > kAdvisedBudget) return;
  if (!large_pages_at_hand.load(std::memory_order_relaxed)) return;
  platform::AdviseLargePages(block, size);
  if (FirstPageComesQuickly(block)) return;
  large_pages_at_hand.store(false, std::memory_order_relaxed);
  platform::AdviseSmallPages(block, size);
}

// A large block takes whole large pages: a tail of small ones would fault per 4 KiB.
size_t RoundedSize(size_t bytes) { return IsLarge(bytes) ? (bytes + kLargePage - 1) & ~(kLargePage - 1) : bytes; }

std::align_val_t AlignmentFor(size_t bytes, size_t alignment) {
  return std::align_val_t{IsLarge(bytes) ? std::max(alignment, kLargePage) : alignment};
}

}  // namespace

void* AllocateBlock(size_t bytes, size_t alignment) {
  void* block = ::operator new(RoundedSize(bytes), AlignmentFor(bytes, alignment));
  if (IsLarge(bytes)) Advise(block, RoundedSize(bytes));
  return block;
}

void FreeBlock(void* block, size_t bytes, size_t alignment) {
  if (IsLarge(bytes)) large_bytes_held.fetch_sub(RoundedSize(bytes), std::memory_order_relaxed);
  ::operator delete(block, AlignmentFor(bytes, alignment));
}

}  // namespace vx4820cal::calparams
