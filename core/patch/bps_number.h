#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// BPS numbers: seven bits a byte, least significant first, the last byte marked by its top
// bit; every longer form starts where the shorter ones end, so each number has one encoding.
// Most numbers of a patch take one byte, written and measured here inline.
void PutLongBpsNumber(std::vector<std::uint8_t>& out, std::uint64_t number);
inline void PutBpsNumber(std::vector<std::uint8_t>& out, std::uint64_t number) {
  if (number >= 0x80) return PutLongBpsNumber(out, number);
  out.push_back(static_cast<std::uint8_t>(0x80 | number));
}
std::size_t LongBpsNumberSize(std::uint64_t number);
inline std::size_t BpsNumberSize(std::uint64_t number) { return number < 0x80 ? 1 : LongBpsNumberSize(number); }

// Where a number read ends and what it is; next is null when the bytes end first or the
// number does not fit in 64 bits.
struct BpsNumberRead {
  const std::uint8_t* next;
  std::uint64_t number;
};
BpsNumberRead ReadLongBpsNumber(const std::uint8_t* at, const std::uint8_t* end);

// Reads one number at `at` and moves past it; false when the bytes end first or the number
// does not fit in 64 bits. Nearly every number of a patch takes one byte or two, read here
// inline; the reader of longer ones is handed nothing of the caller's, so `at` can stay in
// a register.
inline bool ReadBpsNumber(const std::uint8_t*& at, const std::uint8_t* end, std::uint64_t& number) {
  if (end - at >= 2 && ((at[0] | at[1]) & 0x80)) {
    // One byte or two, told apart without a branch: they come in no order a processor
    // could guess.
    const std::uint64_t first = at[0];
    const std::uint64_t goesOn = (first >> 7) ^ 1;
    number = (first & 0x7F) + (-goesOn & ((std::uint64_t{at[1] & 0x7Fu} << 7) + 0x80));
    at += 1 + goesOn;
    return true;
  }
  const BpsNumberRead read = ReadLongBpsNumber(at, end);
  if (!read.next) return false;
  at = read.next;
  number = read.number;
  return true;
}
