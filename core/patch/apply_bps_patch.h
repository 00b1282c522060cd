#pragma once

#include <cstddef>

#include "core/patch/applied_patch.h"
#include "core/patch/byte_span.h"

// The largest ROM a patch may make: as large as any cartridge the console addresses.
constexpr std::size_t kMaxPatchedRomSize = 16 * 1024 * 1024;

// Applies a BPS patch to the ROM data after the image's copier header; the result keeps
// the header as it was. Refuses, with nothing made, a patch whose own CRC-32 is wrong, one
// made for other ROM data, one whose actions reach outside the data, and one whose result
// has the wrong CRC-32.
AppliedPatch ApplyBpsPatch(ByteSpan patch, ByteSpan image, std::size_t copierHeaderSize);
