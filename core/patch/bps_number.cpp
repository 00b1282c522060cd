#include "core/patch/bps_number.h"

#include <limits>

void PutLongBpsNumber(std::vector<std::uint8_t>& out, std::uint64_t number) {
  for (;;) {
    const std::uint8_t low = number & 0x7F;
    number >>= 7;
    if (number == 0) {
      out.push_back(0x80 | low);
      return;
    }
    out.push_back(low);
    --number;
  }
}

std::size_t LongBpsNumberSize(std::uint64_t number) {
  std::size_t size = 1;
  for (number >>= 7; number != 0; number = (number - 1) >> 7) ++size;
  return size;
}

BpsNumberRead ReadLongBpsNumber(const std::uint8_t* at, const std::uint8_t* end) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t data = 0;
  std::uint64_t shift = 1;
  // Eight bytes make less than 2^58: only longer numbers can overflow, so only they are checked.
  for (int i = 0; i < 8 && at != end; ++i) {
    const std::uint64_t byte = *at++;
    data += (byte & 0x7F) * shift;
    if (byte & 0x80) return {at, data};
    shift <<= 7;
    data += shift;
  }
  while (at != end) {
    const std::uint64_t byte = *at++;
    const std::uint64_t part = byte & 0x7F;
    if (part != 0 && shift > kMax / part) return {nullptr, 0};
    if (part * shift > kMax - data) return {nullptr, 0};
    data += part * shift;
    if (byte & 0x80) return {at, data};
    if (shift > (kMax >> 7)) return {nullptr, 0};
    shift <<= 7;
    if (shift > kMax - data) return {nullptr, 0};
    data += shift;
  }
  return {nullptr, 0};
}
