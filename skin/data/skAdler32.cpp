#include "skin/data/skAdler32.h"

#include <zlib.h>

#include <algorithm>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace sk {
namespace {

constexpr uint32_t kBase = 65521;
// 32-byte chunks per block: the largest block whose sums fit in 32 bits
// before they are reduced (zlib's NMAX of 5552 bytes).
constexpr size_t kChunksPerBlock = 5552 / 32;

#if defined(__GNUC__) && defined(__x86_64__)
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

__attribute__((target("avx2"))) uint64_t Sum32(__m256i v) {
  const __m128i half = _mm_add_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
  const __m128i quarter = _mm_add_epi32(half, _mm_unpackhi_epi64(half, half));
  return uint64_t{static_cast<uint32_t>(_mm_cvtsi128_si32(quarter))} +
         static_cast<uint32_t>(_mm_extract_epi32(quarter, 1));
}

// Whole 32-byte chunks. For n chunks after (s1, s2): s1 gains every byte;
// s2 gains 32 n s1, each byte times its distance from the end within its
// chunk (the taps), and 32 times every earlier chunk's sum for each chunk
// after it (the running prefix).
__attribute__((target("avx2"))) const uint8_t* Chunks(uint32_t& s1, uint32_t& s2, const uint8_t* p, size_t chunks) {
  const __m256i taps = _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14,
                                        13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
  const __m256i ones = _mm256_set1_epi16(1);
  const __m256i zero = _mm256_setzero_si256();
  while (chunks) {
    const size_t n = std::min(chunks, kChunksPerBlock);
    chunks -= n;
    __m256i sums = zero, prefix = zero, weighted = zero;
    for (size_t i = 0; i < n; ++i, p += 32) {
      const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
      prefix = _mm256_add_epi32(prefix, sums);
      sums = _mm256_add_epi32(sums, _mm256_sad_epu8(bytes, zero));
      weighted = _mm256_add_epi32(weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, taps), ones));
    }
    const uint64_t b2 = uint64_t{s2} + 32 * uint64_t{s1} * n + 32 * Sum32(prefix) + Sum32(weighted);
    s1 = static_cast<uint32_t>((s1 + Sum32(sums)) % kBase);
    s2 = static_cast<uint32_t>(b2 % kBase);
  }
  return p;
}
#endif

}  // namespace

uint32_t Adler32(uint32_t adler, const uint8_t* data, size_t size) {
#if defined(__GNUC__) && defined(__x86_64__)
  if (HasAvx2() && size >= 64) {
    uint32_t s1 = adler & 0xFFFF, s2 = adler >> 16;
    const uint8_t* tail = Chunks(s1, s2, data, size / 32);
    // The few bytes left are zlib's.
    return static_cast<uint32_t>(adler32(s2 << 16 | s1, tail, static_cast<uInt>(size % 32)));
  }
#endif
  // zlib takes at most 4 GB a call.
  uLong sum = adler;
  while (size) {
    const size_t n = std::min<size_t>(size, 1u << 30);
    sum = adler32(sum, data, static_cast<uInt>(n));
    data += n;
    size -= n;
  }
  return static_cast<uint32_t>(sum);
}

}  // namespace sk
