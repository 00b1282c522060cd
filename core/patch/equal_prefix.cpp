#include "core/patch/equal_prefix.h"

#include <algorithm>
#include <cstring>

namespace {

// The short stretches between scattered edits are cheapest to pass a word at a time; longer
// ones go to the library's compare span by span, which is the fastest way past them, and
// words find the difference inside the span that has one.
constexpr std::size_t kHead = 64;
constexpr std::size_t kSpan = 256;

std::uint64_t LoadWord(const std::uint8_t* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// Which byte of two differing words, as they lie in memory, is the first to differ.
std::size_t FirstDifferingByte(const std::uint8_t* a, const std::uint8_t* b) {
#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  return static_cast<std::size_t>(__builtin_ctzll(LoadWord(a) ^ LoadWord(b))) / 8;
#else
  std::size_t i = 0;
  while (a[i] == b[i]) ++i;
  return i;
#endif
}

// Moves i on a word at a time while one fits before end; true, with i at the first
// differing byte, when a word differs.
bool FindDifferingWord(const std::uint8_t* a, const std::uint8_t* b, std::size_t& i, std::size_t end) {
  for (; end - i >= 8; i += 8) {
    if (LoadWord(a + i) != LoadWord(b + i)) {
      i += FirstDifferingByte(a + i, b + i);
      return true;
    }
  }
  return false;
}

}  // namespace

std::size_t EqualPrefix(const std::uint8_t* a, const std::uint8_t* b, std::size_t count) {
  std::size_t i = 0;
  if (FindDifferingWord(a, b, i, std::min(count, kHead))) return i;
  while (count - i >= kSpan && std::memcmp(a + i, b + i, kSpan) == 0) i += kSpan;
  if (FindDifferingWord(a, b, i, count)) return i;
  while (i < count && a[i] == b[i]) ++i;
  return i;
}
