#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// Reads a whole table in one go. Bytes the file does not hold read as 0xFF, what reading
// them one at a time gives, so a short image yields the same records either way.
std::vector<std::uint8_t> ReadRomRegion(std::FILE* romFile, std::uint32_t offset, std::size_t count);

// A little-endian value of width bytes (1 to 4) starting at bytes.
inline std::uint32_t LittleEndianValue(const std::uint8_t* bytes, unsigned width) {
  std::uint32_t value = 0;
  for (unsigned i = width; i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}
