#pragma once

#include <cstdint>

#include "core/patch/byte_span.h"

// The CRC-32 of zip and PNG files (reflected polynomial 0xEDB88320), as BPS patches record
// for the source, the target and the patch itself.
std::uint32_t Crc32(ByteSpan bytes);
