#include "core/patch/equal_prefix.h"

#include <cstring>

namespace {

// Long equal spans go to the library's compare, which is the fastest way past them.
constexpr std::size_t kSpan = 1024;

std::uint64_t LoadWord(const std::uint8_t* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

}  // namespace

std::size_t EqualPrefix(const std::uint8_t* a, const std::uint8_t* b, std::size_t count) {
  std::size_t i = 0;
  while (count - i >= kSpan && std::memcmp(a + i, b + i, kSpan) == 0) i += kSpan;
  while (count - i >= 8 && LoadWord(a + i) == LoadWord(b + i)) i += 8;
  while (i < count && a[i] == b[i]) ++i;
  return i;
}
