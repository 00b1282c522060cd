#pragma once

#include <cstddef>
#include <cstdint>

// The ways Crc32 computes, both on the running register (the inverted CRC). Crc32 picks
// folding where the processor multiplies without carries, the widest it has, and tables
// elsewhere.
std::uint32_t Crc32ByTables(std::uint32_t state, const std::uint8_t* bytes, std::size_t size);
// Only for kCrc32FoldingMinimum bytes or more, in a multiple of 16; call only when Crc32FoldingAvailable().
constexpr std::size_t kCrc32FoldingMinimum = 128;
std::uint32_t Crc32ByFolding(std::uint32_t state, const std::uint8_t* bytes, std::size_t size);
bool Crc32FoldingAvailable();
// The same folding with 256-bit multiplications, twice the bytes a step; only for
// kCrc32WideFoldingMinimum bytes or more, in a multiple of 16, when Crc32WideFoldingAvailable().
constexpr std::size_t kCrc32WideFoldingMinimum = 1024;
std::uint32_t Crc32ByWideFolding(std::uint32_t state, const std::uint8_t* bytes, std::size_t size);
bool Crc32WideFoldingAvailable();
