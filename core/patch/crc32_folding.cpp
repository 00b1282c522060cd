#include "core/patch/crc32_paths.h"

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)

#include <immintrin.h>

#include <cstring>

// Folds 128 bytes per step, in eight independent lanes so the multiplier never waits, with
// carry-less multiplication by powers of x modulo the polynomial; then folds the lanes into
// one and reduces its 128 bits to 32 (Barrett). The constants are those powers, bit-reflected
// like the CRC itself.
namespace {

#define QUILLON_CRC_TARGET __attribute__((target("pclmul,sse4.1")))

constexpr std::size_t kLanes = 8;
alignas(16) const std::uint64_t kFold128[2] = {0x01E88EF372, 0x014A7FE880};
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

QUILLON_CRC_TARGET inline __m128i Constants(const std::uint64_t* pair) {
  return _mm_load_si128(reinterpret_cast<const __m128i*>(pair));
}

}  // namespace

QUILLON_CRC_TARGET std::uint32_t Crc32ByFolding(std::uint32_t state, const std::uint8_t* bytes, std::size_t size) {
  __m128i lanes[kLanes];
  for (std::size_t i = 0; i < kLanes; ++i) lanes[i] = Load(bytes + 16 * i);
  lanes[0] = _mm_xor_si128(lanes[0], _mm_cvtsi32_si128(static_cast<int>(state)));
  bytes += 16 * kLanes;
  size -= 16 * kLanes;

  __m128i k = Constants(kFold128);
  for (; size >= 16 * kLanes; bytes += 16 * kLanes, size -= 16 * kLanes) {
    for (std::size_t i = 0; i < kLanes; ++i) lanes[i] = Fold(lanes[i], k, Load(bytes + 16 * i));
  }

  k = Constants(kFold16);
  __m128i x = lanes[0];
  for (std::size_t i = 1; i < kLanes; ++i) x = Fold(x, k, lanes[i]);
  for (; size >= 16; bytes += 16, size -= 16) x = Fold(x, k, Load(bytes));

  // 128 bits to 64.
  const __m128i low32 = _mm_setr_epi32(-1, 0, -1, 0);
  x = _mm_xor_si128(_mm_srli_si128(x, 8), _mm_clmulepi64_si128(x, k, 0x10));
  // 64 bits to 32.
  k = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kFold64To32));
  x = _mm_xor_si128(_mm_srli_si128(x, 4), _mm_clmulepi64_si128(_mm_and_si128(x, low32), k, 0x00));
  // Barrett reduction.
  k = Constants(kBarrett);
  const __m128i quotient = _mm_and_si128(_mm_clmulepi64_si128(_mm_and_si128(x, low32), k, 0x10), low32);
  x = _mm_xor_si128(x, _mm_clmulepi64_si128(quotient, k, 0x00));
  return static_cast<std::uint32_t>(_mm_extract_epi32(x, 1));
}

bool Crc32FoldingAvailable() {
  static const bool available = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
  return available;
}

#define QUILLON_WIDE_CRC_TARGET __attribute__((target("vpclmulqdq,avx2,pclmul,sse4.1")))

// Folds the same eight lanes two to a 256-bit register. The lanes, taken as 128 bytes of
// data, leave the remainder everything before them left, so the 128-bit folding finishes
// them with the last bytes from a register of zero.
QUILLON_WIDE_CRC_TARGET std::uint32_t Crc32ByWideFolding(std::uint32_t state, const std::uint8_t* bytes,
                                                          std::size_t size) {
  constexpr std::size_t kPairs = kLanes / 2;
  __m256i pairs[kPairs];
  for (std::size_t i = 0; i < kPairs; ++i) {
    pairs[i] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 32 * i));
  }
  pairs[0] = _mm256_xor_si256(pairs[0], _mm256_setr_epi32(static_cast<int>(state), 0, 0, 0, 0, 0, 0, 0));
  bytes += 16 * kLanes;
  size -= 16 * kLanes;

  const __m256i k = _mm256_broadcastsi128_si256(Constants(kFold128));
  for (; size >= 16 * kLanes; bytes += 16 * kLanes, size -= 16 * kLanes) {
    for (std::size_t i = 0; i < kPairs; ++i) {
      const __m256i low = _mm256_clmulepi64_epi128(pairs[i], k, 0x00);
      const __m256i high = _mm256_clmulepi64_epi128(pairs[i], k, 0x11);
      const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 32 * i));
      pairs[i] = _mm256_xor_si256(_mm256_xor_si256(low, high), next);
    }
  }

  alignas(32) std::uint8_t rest[2 * 16 * kLanes];
  for (std::size_t i = 0; i < kPairs; ++i) _mm256_store_si256(reinterpret_cast<__m256i*>(rest + 32 * i), pairs[i]);
  std::memcpy(rest + 16 * kLanes, bytes, size);
  return Crc32ByFolding(0, rest, 16 * kLanes + size);
}

bool Crc32WideFoldingAvailable() {
  static const bool available = __builtin_cpu_supports("vpclmulqdq") && __builtin_cpu_supports("avx2");
  return available;
}

#else

std::uint32_t Crc32ByFolding(std::uint32_t state, const std::uint8_t* bytes, std::size_t size) {
  return Crc32ByTables(state, bytes, size);
}

bool Crc32FoldingAvailable() { return false; }

std::uint32_t Crc32ByWideFolding(std::uint32_t state, const std::uint8_t* bytes, std::size_t size) {
  return Crc32ByTables(state, bytes, size);
}

bool Crc32WideFoldingAvailable() { return false; }

#endif
