#include "core/patch/crc32.h"

#include "core/patch/crc32_paths.h"

std::uint32_t Crc32(ByteSpan bytes) {
  Crc32Stream crc;
  crc.Add(bytes);
  return crc.Value();
}

void Crc32Stream::Add(ByteSpan bytes) {
  const std::uint8_t* at = bytes.data;
  std::size_t left = bytes.size;
  if (left >= kCrc32FoldingMinimum && Crc32FoldingAvailable()) {
    const std::size_t folded = left & ~std::size_t{15};
    const bool wide = folded >= kCrc32WideFoldingMinimum && Crc32WideFoldingAvailable();
    state_ = wide ? Crc32ByWideFolding(state_, at, folded) : Crc32ByFolding(state_, at, folded);
    at += folded;
    left -= folded;
  }
  state_ = Crc32ByTables(state_, at, left);
}
