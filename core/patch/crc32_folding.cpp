#include "core/patch/crc32_paths.h"

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))

#include <immintrin.h>

// Folds 64 bytes per step with carry-less multiplication by powers of x modulo the
// polynomial, then reduces the last 128 bits to 32 (Barrett). The constants are those
// powers, bit-reflected like the CRC itself.
namespace {

#define QUILLON_CRC_TARGET __attribute__((target("pclmul,sse4.1")))

alignas(16) const std::uint64_t kFold64[2] = {0x0154442BD4, 0x01C6E41596};
alignas(16) const std::uint64_t kFold16[2] = {0x01751997D0, 0x00CCAA009E};
alignas(16) const std::uint64_t kFold64To32[2] = {0x0163CD6124, 0};
alignas(16) const std::uint64_t kBarrett[2] = {0x01DB710641, 0x01F7011641};

QUILLON_CRC_TARGET inline __m128i Fold(__m128i value, __m128i constants, __m128i next) {
  const __m128i low = _mm_clmulepi64_si128(value, constants, 0x00);
  const __m128i high = _mm_clmulepi64_si128(value, constants, 0x11);
  return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

QUILLON_CRC_TARGET inline __m128i Load(const std::uint8_t* bytes) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
}

}  // namespace

QUILLON_CRC_TARGET std::uint32_t Crc32ByFolding(std::uint32_t state, const std::uint8_t* bytes, std::size_t size) {
  __m128i x1 = _mm_xor_si128(Load(bytes), _mm_cvtsi32_si128(static_cast<int>(state)));
  __m128i x2 = Load(bytes + 16);
  __m128i x3 = Load(bytes + 32);
  __m128i x4 = Load(bytes + 48);
  bytes += 64;
  size -= 64;

  __m128i k = _mm_load_si128(reinterpret_cast<const __m128i*>(kFold64));
  for (; size >= 64; bytes += 64, size -= 64) {
    x1 = Fold(x1, k, Load(bytes));
    x2 = Fold(x2, k, Load(bytes + 16));
    x3 = Fold(x3, k, Load(bytes + 32));
    x4 = Fold(x4, k, Load(bytes + 48));
  }

  k = _mm_load_si128(reinterpret_cast<const __m128i*>(kFold16));
  x1 = Fold(x1, k, x2);
  x1 = Fold(x1, k, x3);
  x1 = Fold(x1, k, x4);
  for (; size >= 16; bytes += 16, size -= 16) x1 = Fold(x1, k, Load(bytes));

  // 128 bits to 64.
  const __m128i low32 = _mm_setr_epi32(-1, 0, -1, 0);
  x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(x1, k, 0x10));
  // 64 bits to 32.
  k = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kFold64To32));
  x1 = _mm_xor_si128(_mm_srli_si128(x1, 4), _mm_clmulepi64_si128(_mm_and_si128(x1, low32), k, 0x00));
  // Barrett reduction.
  k = _mm_load_si128(reinterpret_cast<const __m128i*>(kBarrett));
  __m128i quotient = _mm_and_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, low32), k, 0x10), low32);
  x1 = _mm_xor_si128(x1, _mm_clmulepi64_si128(quotient, k, 0x00));
  return static_cast<std::uint32_t>(_mm_extract_epi32(x1, 1));
}

bool Crc32FoldingAvailable() {
  static const bool available = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
  return available;
}

#else

std::uint32_t Crc32ByFolding(std::uint32_t state, const std::uint8_t* bytes, std::size_t size) {
  return Crc32ByTables(state, bytes, size);
}

bool Crc32FoldingAvailable() { return false; }

#endif
