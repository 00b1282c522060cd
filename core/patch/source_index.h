#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/patch/byte_span.h"

// Where a stretch of the target may come from in the source: a table of source windows
// taken every kStride bytes, so any match of kWindow + kStride - 1 bytes or more is found
// from one of its first kStride positions.
class SourceIndex {
 public:
  static constexpr std::size_t kWindow = 16;
  static constexpr std::size_t kStride = 16;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  explicit SourceIndex(ByteSpan source);
  // A source offset whose window may equal the kWindow bytes at window; kNone when none
  // does. The caller compares the bytes.
  std::size_t Candidate(const std::uint8_t* window) const;

 private:
  std::size_t Slot(const std::uint8_t* window) const;

  // Source offset + 1 of the latest window of each slot; 0 for none.
  std::vector<std::uint32_t> slots_;
  unsigned shift_ = 64;
};
