#pragma once
// A sequence that grows by blocks which never move: a store of a million records is
// filled without copying any of them and without counting a file's lines first.
// Block k holds F << k elements (F is 256, or more when a large list is expected), so
// the blocks double and an element is found with a few bit operations.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "common/large_pages.h"

namespace vx4820cal::calparams {

template <class T>
class BlockList {
 public:
  BlockList() = default;
  BlockList(const BlockList&) = delete;
  BlockList& operator=(const BlockList&) = delete;
  ~BlockList() {
    for (size_t i = size_; i > 0; --i) (*this)[i - 1].~T();
    for (size_t k = 0; k < blocks_.size(); ++k) FreeBlock(blocks_[k], BytesOf(k), alignof(T));
  }

  // Before the first element: a list expected to grow large starts with blocks of
  // large pages at once, not after megabytes of small ones.
  void Expect(size_t count) {
    if (!blocks_.empty()) return;
    first_shift_ = kFirstShift;
    while (first_shift_ < kLargeBlockShift && (size_t{1} << first_shift_) < count) ++first_shift_;
  }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T& operator[](size_t i) const { return *Slot(i); }
  T& operator[](size_t i) { return *Slot(i); }

  template <class... Args>
  T& emplace_back(Args&&... args) {
    if (Locate(size_).first == blocks_.size()) AddBlock();
    T* added = new (Slot(size_)) T(std::forward<Args>(args)...);
    ++size_;
    return *added;
  }

  class const_iterator {
   public:
    const_iterator(const BlockList* list, size_t at) : list_(list), at_(at) {}
    const T& operator*() const { return (*list_)[at_]; }
    const T* operator->() const { return &(*list_)[at_]; }
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return at_ == other.at_; }

   private:
    const BlockList* list_;
    size_t at_;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size_}; }

 private:
  static constexpr size_t kFirstShift = 8;
  // The shift of the first block that fills a large page.
  static constexpr size_t kLargeBlockShift = [] {
    size_t shift = kFirstShift;
    while ((size_t{1} << shift) * sizeof(T) < kLargePage) ++shift;
    return shift;
  }();

  // The block of element i and its place in that block.
  std::pair<size_t, size_t> Locate(size_t i) const {
    size_t biased = i + (size_t{1} << first_shift_);
    size_t block = static_cast<size_t>(std::bit_width(biased)) - 1 - first_shift_;
    return {block, biased - (size_t{1} << (block + first_shift_))};
  }
  size_t BytesOf(size_t block) const { return (size_t{1} << (block + first_shift_)) * sizeof(T); }

  T* Slot(size_t i) const {
    auto [block, offset] = Locate(i);
    return reinterpret_cast<T*>(blocks_[block]) + offset;
  }

  void AddBlock() {
    blocks_.reserve(blocks_.size() + 1);
    blocks_.push_back(AllocateBlock(BytesOf(blocks_.size()), alignof(T)));
  }

  std::vector<void*> blocks_;
  size_t size_ = 0;
  size_t first_shift_ = kFirstShift;
};

}  // namespace vx4820cal::calparams
