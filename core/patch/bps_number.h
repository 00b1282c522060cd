#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// BPS numbers: seven bits a byte, least significant first, the last byte marked by its top
// bit; every longer form starts where the shorter ones end, so each number has one encoding.
void PutBpsNumber(std::vector<std::uint8_t>& out, std::uint64_t number);
std::size_t BpsNumberSize(std::uint64_t number);

// Reads one number at `at` and moves past it; false when the bytes end first or the number
// does not fit in 64 bits. Most actions of a patch are numbers of one byte, read here inline.
bool ReadLongBpsNumber(const std::uint8_t*& at, const std::uint8_t* end, std::uint64_t& number);
inline bool ReadBpsNumber(const std::uint8_t*& at, const std::uint8_t* end, std::uint64_t& number) {
  if (at == end || !(*at & 0x80)) return ReadLongBpsNumber(at, end, number);
  number = *at++ & 0x7F;
  return true;
}
