// The keyless scrambled form of "PCA Set" data files. Data files run to millions of
// characters, so each character costs a table lookup or two and no allocation.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/codepage.h"
#include "common/error_convention.h"
#include "common/scrambling.h"
#include "common/wide_vectors.h"
#include "vx4820cal/word_loads.h"

namespace vx4820cal {
namespace {

// The two uppercase hex digits of every byte.
constexpr std::array<std::array<char, 2>, 256> MakeHexPairs() {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::array<std::array<char, 2>, 256> pairs{};
  for (int b = 0; b < 256; ++b) pairs[b] = {kDigits[b >> 4], kDigits[b & 0xF]};
  return pairs;
}
constexpr std::array<std::array<char, 2>, 256> kHexPairs = MakeHexPairs();

// Value of one hex digit, or -1.
constexpr std::array<int8_t, 256> MakeHexValues() {
  std::array<int8_t, 256> values{};
  for (auto& v : values) v = -1;
  for (int c = '0'; c <= '9'; ++c) values[c] = static_cast<int8_t>(c - '0');
  for (int c = 'A'; c <= 'F'; ++c) values[c] = static_cast<int8_t>(c - 'A' + 10);
  for (int c = 'a'; c <= 'f'; ++c) values[c] = static_cast<int8_t>(c - 'a' + 10);
  return values;
}
constexpr std::array<int8_t, 256> kHexValues = MakeHexValues();

int HexValue(char c) { return kHexValues[static_cast<unsigned char>(c)]; }

// Value of a pair of hex digits; error 13 when either is not one.
unsigned PairValue(char high, char low) {
  int h = HexValue(high);
  int l = HexValue(low);
  if ((h | l) < 0) throw RuntimeError(err::kTypeMismatch);
  return static_cast<unsigned>(h * 16 + l);
}

// Eight characters at a time, on machines that keep the first byte of a word lowest:
// each byte of a 64-bit word is one character, and byte sums wrap within the byte.
constexpr bool kWordAtATime = std::endian::native == std::endian::little;
using detail::kHighBits;
using detail::kOnes;
using detail::LoadWord;
constexpr uint64_t kPositionSteps = 0x0706050403020100ULL;

uint64_t AddBytes(uint64_t a, uint64_t b) { return ((a & ~kHighBits) + (b & ~kHighBits)) ^ ((a ^ b) & kHighBits); }
uint64_t SubtractBytes(uint64_t a, uint64_t b) { return ((a | kHighBits) - (b & ~kHighBits)) ^ ((a ^ ~b) & kHighBits); }

// The positions first, first + 1, ... first + 7 as bytes (modulo 256).
uint64_t Positions(unsigned char first) { return AddBytes(first * kOnes, kPositionSteps); }

// The four low bytes of x spread to the even bytes of a word.
uint64_t SpreadBytes(uint64_t x) {
  x &= 0xFFFFFFFFULL;
  x = (x | (x << 16)) & 0x0000FFFF0000FFFFULL;
  return (x | (x << 8)) & 0x00FF00FF00FF00FFULL;
}

// Bytes 0..15 to the hex digits 0-9, A-F.
uint64_t HexDigits(uint64_t nibbles) {
  uint64_t letters = ((nibbles + 6 * kOnes) >> 4) & kOnes;
  return nibbles + 0x30 * kOnes + letters * 7;
}

// Eight scrambled codes to their sixteen hex digits, high digit first.
void WriteHexWords(uint64_t scrambled, char* out) {
  uint64_t high = (scrambled >> 4) & (0x0F * kOnes);
  uint64_t low = scrambled & (0x0F * kOnes);
  uint64_t first = HexDigits(SpreadBytes(high) | (SpreadBytes(low) << 8));
  uint64_t second = HexDigits(SpreadBytes(high >> 32) | (SpreadBytes(low >> 32) << 8));
  std::memcpy(out, &first, 8);
  std::memcpy(out + 8, &second, 8);
}

// Bytes of ASCII characters with the high bit set where the byte is in [low, high].
uint64_t InRange(uint64_t x, unsigned char low, unsigned char high) {
  uint64_t at_least_low = x + (0x80 - low) * kOnes;
  uint64_t above_high = x + (0x7F - high) * kOnes;
  return at_least_low & ~above_high & kHighBits;
}

// Eight hex digits to their four values; false when a byte is no hex digit.
bool ReadHexWord(uint64_t digits, uint32_t& values) {
  if (digits & kHighBits) return false;
  uint64_t letters = InRange(digits | 0x20 * kOnes, 'a', 'f');
  if ((InRange(digits, '0', '9') | letters) != kHighBits) return false;
  uint64_t nibbles = (digits & 0x0F * kOnes) + (letters >> 7) * 9;
  uint64_t pairs = ((nibbles & 0x00FF00FF00FF00FFULL) << 4) | ((nibbles >> 8) & 0x00FF00FF00FF00FFULL);
  pairs = (pairs | (pairs >> 8)) & 0x0000FFFF0000FFFFULL;
  values = static_cast<uint32_t>(pairs | (pairs >> 16));
  return true;
}

#if defined(__SSE2__)
// The positions first, first + 1, ... first + 15 as bytes (modulo 256).
__m128i SixteenPositions(unsigned char first) {
  const __m128i steps = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
  return _mm_add_epi8(_mm_set1_epi8(static_cast<char>(first)), steps);
}

// Sixteen scrambled codes to their 32 hex digits at out, high digit first.
void WriteSixteenHexPairs(__m128i codes, char* out) {
  auto digits = [](__m128i nibbles) {
    const __m128i letters = _mm_and_si128(_mm_cmpgt_epi8(nibbles, _mm_set1_epi8(9)), _mm_set1_epi8(7));
    return _mm_add_epi8(_mm_add_epi8(nibbles, _mm_set1_epi8('0')), letters);
  };
  const __m128i high = digits(_mm_and_si128(_mm_srli_epi16(codes, 4), _mm_set1_epi8(0x0F)));
  const __m128i low = digits(_mm_and_si128(codes, _mm_set1_epi8(0x0F)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(high, low));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), _mm_unpackhi_epi8(high, low));
}

// Bytes 0..15 to their hex digit values, with 0xFF in `valid` where a byte is a digit.
__m128i HexNibbles(__m128i c, __m128i& valid) {
  const __m128i lower = _mm_or_si128(c, _mm_set1_epi8(0x20));
  // Signed compares: bytes beyond ASCII are negative and fail both ranges.
  const __m128i digit =
      _mm_and_si128(_mm_cmpgt_epi8(c, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(c, _mm_set1_epi8('9' + 1)));
  const __m128i letter =
      _mm_and_si128(_mm_cmpgt_epi8(lower, _mm_set1_epi8('a' - 1)), _mm_cmplt_epi8(lower, _mm_set1_epi8('f' + 1)));
  valid = _mm_or_si128(digit, letter);
  return _mm_add_epi8(_mm_and_si128(c, _mm_set1_epi8(0x0F)), _mm_and_si128(letter, _mm_set1_epi8(9)));
}

// Eight pairs as 16-bit lanes (the high digit's value in the low byte) to their values.
__m128i PairValues(__m128i nibbles) {
  const __m128i high = _mm_slli_epi16(_mm_and_si128(nibbles, _mm_set1_epi16(0x00FF)), 4);
  return _mm_or_si128(high, _mm_srli_epi16(nibbles, 8));
}

// The characters of the sixteen pairs of hex digits at digits (32 bytes), less the
// positions first, first + 1, ... first + 15; bit i of the result is set when pair i
// is two hex digits that give an ASCII character.
int ReadSixteenPairs(const char* digits, unsigned char first, __m128i& codes) {
  __m128i valid_a;
  __m128i valid_b;
  const __m128i a = HexNibbles(_mm_loadu_si128(reinterpret_cast<const __m128i*>(digits)), valid_a);
  const __m128i b = HexNibbles(_mm_loadu_si128(reinterpret_cast<const __m128i*>(digits + 16)), valid_b);
  const __m128i all = _mm_set1_epi8(-1);
  const __m128i valid_pairs = _mm_packs_epi16(_mm_cmpeq_epi16(valid_a, all), _mm_cmpeq_epi16(valid_b, all));
  codes = _mm_sub_epi8(_mm_packus_epi16(PairValues(a), PairValues(b)), SixteenPositions(first));
  return _mm_movemask_epi8(_mm_andnot_si128(_mm_cmplt_epi8(codes, _mm_setzero_si128()), valid_pairs));
}

// The first `count` pairs at digits (at most sixteen) to `count` ASCII characters at
// out, when they all give one; false, and nothing written, otherwise. `before` pairs
// of the same text precede digits. Fewer than sixteen pairs are read as the end of
// the sixteen that end with them or, in a short text, from a padded copy: nothing
// beyond the text is touched.
bool ReadPairs(const char* digits, size_t count, size_t before, unsigned char first, char* out) {
  __m128i codes;
  const int wanted = (1 << count) - 1;
  if (count == 16) {
    if (ReadSixteenPairs(digits, first, codes) != wanted) return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), codes);
    return true;
  }
  const size_t back = std::min(before, 16 - count);
  int read;
  if (back + count == 16) {
    read = ReadSixteenPairs(digits - 2 * back, static_cast<unsigned char>(first - back), codes) >> back;
  } else {
    char padded[32];
    std::memcpy(padded, digits - 2 * back, 2 * (back + count));
    read = ReadSixteenPairs(padded, static_cast<unsigned char>(first - back), codes) >> back;
  }
  if ((read & wanted) != wanted) return false;
  char characters[16];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(characters), codes);
  std::memcpy(out, characters + back, count);
  return true;
}
#endif

#if defined(VX4820CAL_WIDE_VECTORS)
// On wide machines up to 32 pairs are read in a step, and a text's last step reads
// only its own bytes (masked): a line of a data file takes one to three steps and no
// padded copy.

// Of the first `count` (at most 32) pairs at digits, those before the first that is
// no pair of hex digits giving an ASCII character, as characters at out; answers how
// many. Reads no byte beyond the 2 * count digits.
VX4820CAL_WIDE_TARGET inline size_t ReadWidePairs(const char* digits, size_t count, unsigned char first, char* out) {
  const __mmask64 bytes = count >= 32 ? ~__mmask64{0} : (__mmask64{1} << (2 * count)) - 1;
  const __m512i c = _mm512_maskz_loadu_epi8(bytes, digits);
  const __mmask64 digit = _mm512_cmple_epu8_mask(_mm512_sub_epi8(c, _mm512_set1_epi8('0')), _mm512_set1_epi8(9));
  const __mmask64 letter = _mm512_cmple_epu8_mask(
      _mm512_sub_epi8(_mm512_or_si512(c, _mm512_set1_epi8(0x20)), _mm512_set1_epi8('a')), _mm512_set1_epi8(5));
  const __m512i low_nibbles = _mm512_and_si512(c, _mm512_set1_epi8(0x0F));
  const __m512i nibbles = _mm512_mask_add_epi8(low_nibbles, letter, low_nibbles, _mm512_set1_epi8(9));
  // A pair is a 16-bit lane with its high digit in the low byte.
  const __m512i values = _mm512_or_si512(_mm512_slli_epi16(_mm512_and_si512(nibbles, _mm512_set1_epi16(0x00FF)), 4),
                                         _mm512_srli_epi16(nibbles, 8));
  const __m256i steps = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                         22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
  const __m256i codes =
      _mm256_sub_epi8(_mm512_cvtepi16_epi8(values), _mm256_add_epi8(_mm256_set1_epi8(static_cast<char>(first)), steps));
  const __m512i not_hex = _mm512_movm_epi8(~(digit | letter));
  const __mmask32 wanted = count >= 32 ? ~__mmask32{0} : (__mmask32{1} << count) - 1;
  const __mmask32 stops = (_mm512_test_epi16_mask(not_hex, not_hex) | _mm256_movepi8_mask(codes)) & wanted;
  const size_t read = stops ? static_cast<size_t>(std::countr_zero(stops)) : count;
  _mm256_mask_storeu_epi8(out, static_cast<__mmask32>((uint64_t{1} << read) - 1), codes);
  return read;
}
#endif

// Writes the hex digits of the scrambled codes of text: each character's
// Windows-1252 code plus its 1-based position, modulo 256. kUtf8: text is UTF-8 and
// a character beyond ASCII is decoded to its code; otherwise every byte is a code.
template <bool kUtf8>
char* ScrambleCodes(std::string_view text, char* digits) {
  unsigned char position = 1;
  size_t i = 0;
  while (i < text.size()) {
#if defined(__SSE2__)
    if (i + 16 <= text.size()) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
      if (!kUtf8 || _mm_movemask_epi8(chunk) == 0) {
        WriteSixteenHexPairs(_mm_add_epi8(chunk, SixteenPositions(position)), digits);
        digits += 32;
        i += 16;
        position = static_cast<unsigned char>(position + 16);
        continue;
      }
    }
#endif
    if (kWordAtATime && i + 8 <= text.size()) {
      uint64_t word = LoadWord(text.data() + i);
      if (!kUtf8 || (word & kHighBits) == 0) {
        WriteHexWords(AddBytes(word, Positions(position)), digits);
        digits += 16;
        i += 8;
        position = static_cast<unsigned char>(position + 8);
        continue;
      }
    }
    auto byte = static_cast<unsigned char>(text[i]);
    unsigned code = byte;
    if (kUtf8 && byte >= 0x80) {
      code = static_cast<unsigned>(Cp1252CodeAt(text, i));
    } else {
      ++i;
    }
    std::memcpy(digits, kHexPairs[static_cast<unsigned char>(code + position++)].data(), 2);
    digits += 2;
  }
  return digits;
}

// Appends the scrambled form of text: the hex digits with the last one moved to the
// front. The digits go to out after one spare place, and the last one then moves
// into that place: the rotation without a second copy.
template <bool kUtf8>
void AppendScrambled(std::string_view text, std::string& out) {
  const size_t base = out.size();
  out.resize(base + 2 * text.size() + 1);
  const char* end = ScrambleCodes<kUtf8>(text, out.data() + base + 1);
  const size_t length = static_cast<size_t>(end - (out.data() + base + 1));
  if (length == 0) {
    out.resize(base);
    return;
  }
  out[base] = out[base + length];
  out.resize(base + length);
}

// Appends the plain text of a scrambled text: Windows-1252 codes, decoded to UTF-8.
// kWide: for the wide machines, compiled for them as a whole so that the steps'
// constants are made once per text, not once per step.
template <bool kWide>
inline __attribute__((always_inline)) void AppendDecryptedOn(std::string_view text, std::string& out) {
  const size_t n = text.size();
  if (n == 0) return;
  // The rotated text is text[1..] followed by text[0]; its pairs are the codes. All
  // pairs but the last lie within text[1..]; an odd length leaves one digit at the end.
  const size_t pairs = n / 2;
  const size_t inner_pairs = n % 2 ? pairs : pairs - 1;
  const size_t base = out.size();
  out.resize(base + pairs + 1);  // room for every code as one byte; more when needed
  char* write = out.data() + base;
  unsigned char position = 1;
  auto put = [&](unsigned value) {
    unsigned char code = static_cast<unsigned char>(value - position++);
    if (code < 0x80) {
      *write++ = static_cast<char>(code);
      return;
    }
    // A character beyond ASCII takes two or three bytes in UTF-8, up to two more than
    // the room made for it.
    const size_t written = static_cast<size_t>(write - out.data());
    out.resize(out.size() + 2);
    write = out.data() + written;
    write += WriteUtf8OfByte(code, write);
  };
  // Up to sixteen or eight pairs at a time while they are hex digits that give ASCII
  // characters; any pair that fails, one at a time (which raises the error in order).
  const char* in = text.data() + 1;
  for (size_t k = 0; k < inner_pairs;) {
#if defined(VX4820CAL_WIDE_VECTORS)
    if constexpr (kWide) {
      // The pairs up to the first that needs a closer look; that one on its own.
      if (const size_t read = ReadWidePairs(in, std::min<size_t>(32, inner_pairs - k), position, write); read > 0) {
        write += read;
        in += 2 * read;
        k += read;
        position = static_cast<unsigned char>(position + read);
      } else {
        put(PairValue(in[0], in[1]));
        in += 2;
        ++k;
      }
      continue;
    }
#endif
#if defined(__SSE2__)
    if (const size_t count = std::min<size_t>(16, inner_pairs - k); ReadPairs(in, count, k, position, write)) {
      write += count;
      in += 2 * count;
      k += count;
      position = static_cast<unsigned char>(position + count);
      continue;
    }
#endif
    uint32_t first = 0;
    uint32_t second = 0;
    if (kWordAtATime && k + 8 <= inner_pairs && ReadHexWord(LoadWord(in), first) &&
        ReadHexWord(LoadWord(in + 8), second)) {
      uint64_t codes = SubtractBytes(first | (uint64_t{second} << 32), Positions(position));
      if ((codes & kHighBits) == 0) {
        std::memcpy(write, &codes, 8);
        write += 8;
        in += 16;
        k += 8;
        position = static_cast<unsigned char>(position + 8);
        continue;
      }
    }
    put(PairValue(in[0], in[1]));
    in += 2;
    ++k;
  }
  if (n % 2 == 0) {
    put(PairValue(text[n - 1], text[0]));
  } else {
    int high = HexValue(text[0]);
    if (high < 0) throw RuntimeError(err::kTypeMismatch);
    put(static_cast<unsigned>(high));
  }
  out.resize(static_cast<size_t>(write - out.data()));
}

#if defined(VX4820CAL_WIDE_VECTORS)
VX4820CAL_WIDE_TARGET void AppendDecryptedWide(std::string_view text, std::string& out) {
  AppendDecryptedOn<true>(text, out);
}
#endif

void AppendDecrypted(std::string_view text, std::string& out) {
#if defined(VX4820CAL_WIDE_VECTORS)
  if (UseWideVectors()) return AppendDecryptedWide(text, out);
#endif
  AppendDecryptedOn<false>(text, out);
}

}  // namespace

std::string EncryptString(std::string_view plain) {
  return TrapAndRaiseAgain("EncryptString", [&] {
    std::string out;
    AppendScrambled<true>(plain, out);
    return out;
  });
}

std::string DecryptString(std::string_view text) {
  return TrapAndRaiseAgain("DecryptString", [&] {
    std::string out;
    AppendDecrypted(text, out);
    return out;
  });
}

void AppendEncryptedBytes(std::string_view cp1252, std::string& out) {
  TrapAndRaiseAgain("EncryptString", [&] { AppendScrambled<false>(cp1252, out); });
}

void DecryptInto(std::string_view text, std::string& out) {
  out.clear();
  AppendDecryptedText(text, out);
}

void AppendDecryptedText(std::string_view text, std::string& out) {
  const size_t before = out.size();
  try {
    TrapAndRaiseAgain("DecryptString", [&] { AppendDecrypted(text, out); });
  } catch (...) {
    out.resize(before);
    throw;
  }
}

}  // namespace vx4820cal
