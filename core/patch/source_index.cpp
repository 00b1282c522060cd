#include "core/patch/source_index.h"

#include <cstring>

SourceIndex::SourceIndex(ByteSpan source) {
  const std::size_t windows = source.size >= kWindow ? (source.size - kWindow) / kStride + 1 : 0;
  // Twice as many slots as windows keeps collisions rare.
  unsigned bits = 1;
  while ((std::size_t{1} << bits) < 2 * windows) ++bits;
  shift_ = 64 - bits;
  slots_.assign(std::size_t{1} << bits, 0);
  for (std::size_t w = 0; w < windows; ++w) {
    const std::size_t offset = w * kStride;
    slots_[Slot(source.data + offset)] = static_cast<std::uint32_t>(offset + 1);
  }
}

std::size_t SourceIndex::Candidate(const std::uint8_t* window) const {
  const std::uint32_t entry = slots_[Slot(window)];
  return entry == 0 ? kNone : entry - 1;
}

std::size_t SourceIndex::Slot(const std::uint8_t* window) const {
  std::uint64_t low;
  std::uint64_t high;
  std::memcpy(&low, window, sizeof low);
  std::memcpy(&high, window + 8, sizeof high);
  const std::uint64_t mixed = (low ^ (high << 29 | high >> 35)) * 0x9E3779B97F4A7C15;
  return static_cast<std::size_t>(mixed >> shift_);
}
