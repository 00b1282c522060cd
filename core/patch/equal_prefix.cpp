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

std::size_t EqualWords(const std::uint8_t* a, const std::uint8_t* b, std::size_t from, std::size_t end) {
  while (end - from >= 8 && LoadWord(a + from) == LoadWord(b + from)) from += 8;
  return from;
}

}  // namespace

std::size_t EqualPrefix(const std::uint8_t* a, const std::uint8_t* b, std::size_t count) {
  const std::size_t head = std::min(count, kHead);
  std::size_t i = EqualWords(a, b, 0, head);
  if (head - i < 8) {
    while (count - i >= kSpan && std::memcmp(a + i, b + i, kSpan) == 0) i += kSpan;
    i = EqualWords(a, b, i, count);
  }
  while (i < count && a[i] == b[i]) ++i;
  return i;
}
