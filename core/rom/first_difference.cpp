#include "core/rom/first_difference.h"

#include <cstring>

std::size_t FirstDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t count) {
  // Eight bytes a step: an import compares whole tables of which it changed a few bytes a
  // record, and a byte a step cost more than the rest of its write.
  constexpr std::size_t kStep = sizeof(std::uint64_t);
  std::size_t at = 0;
  for (; count - at >= kStep; at += kStep) {
    std::uint64_t wordOfA;
    std::uint64_t wordOfB;
    std::memcpy(&wordOfA, a + at, kStep);
    std::memcpy(&wordOfB, b + at, kStep);
    if (wordOfA != wordOfB) break;
  }
  while (at < count && a[at] == b[at]) ++at;
  return at;
}
