#pragma once
// Finds one byte's next place in a text read forward: 64 bytes are compared at once
// and kept as a bit each, so a short stretch (a line, a cell) costs a shift and a bit
// count instead of a call to search.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vx4820cal {

template <char kByte>
class ByteFinder {
 public:
  // The first kByte in text[from, end), or end. The text must not change between
  // calls unless Forget() is called.
  size_t Find(const char* text, size_t from, size_t end) {
    while (from < end) {
      if (from < window_begin_ || from >= window_end_) {
        window_begin_ = from;
        window_end_ = std::min(end, from + 64);
        window_mask_ = Mask(text + from, window_end_ - from);
      }
      if (const uint64_t ahead = window_mask_ >> (from - window_begin_)) return from + std::countr_zero(ahead);
      from = window_end_;
    }
    return end;
  }

  // The text has changed.
  void Forget() { window_begin_ = window_end_ = 0; }

 private:
  // Bit i set where bytes[i] is kByte, for the first `count` (at most 64) bytes. Reads
  // none beyond them: a short last piece is read as the end of the sixteen bytes
  // that end with it.
  static uint64_t Mask(const char* bytes, size_t count) {
    uint64_t mask = 0;
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(kByte);
    auto sixteen = [&](size_t at) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
      return static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, wanted))));
    };
    for (; i + 16 <= count; i += 16) mask |= sixteen(i) << i;
    if (i < count && count >= 16) return mask | (sixteen(count - 16) >> (16 - (count - i)) << i);
#endif
    for (; i < count; ++i) mask |= static_cast<uint64_t>(bytes[i] == kByte) << i;
    return mask;
  }

  size_t window_begin_ = 0;  // the bytes text[window_begin_, window_end_) are in window_mask_
  size_t window_end_ = 0;
  uint64_t window_mask_ = 0;
};

}  // namespace vx4820cal
