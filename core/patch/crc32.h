#pragma once

#include <cstdint>

#include "core/patch/byte_span.h"

// The CRC-32 of zip and PNG files (reflected polynomial 0xEDB88320), as BPS patches record
// for the source, the target and the patch itself.
std::uint32_t Crc32(ByteSpan bytes);

// The same CRC-32 taken over pieces given in order, so it can follow a pass that already
// holds each piece in the cache instead of reading everything again.
class Crc32Stream {
 public:
  void Add(ByteSpan bytes);
  std::uint32_t Value() const { return ~state_; }

 private:
  std::uint32_t state_ = 0xFFFFFFFF;
};
