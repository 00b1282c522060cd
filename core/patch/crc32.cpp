#include "core/patch/crc32.h"

#include "core/patch/crc32_paths.h"

std::uint32_t Crc32(ByteSpan bytes) {
  std::uint32_t state = 0xFFFFFFFF;
  const std::uint8_t* at = bytes.data;
  std::size_t left = bytes.size;
  if (left >= kCrc32FoldingMinimum && Crc32FoldingAvailable()) {
    const std::size_t folded = left & ~std::size_t{15};
    state = Crc32ByFolding(state, at, folded);
    at += folded;
    left -= folded;
  }
  return ~Crc32ByTables(state, at, left);
}
