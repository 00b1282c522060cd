#pragma once

#include <cstddef>

#include "core/patch/applied_patch.h"
#include "core/patch/byte_span.h"

// Applies an IPS ("PATCH") or BPS ("BPS1") patch, told apart by its first bytes, to a whole
// image file. IPS offsets count every byte of the file. A BPS patch works on the ROM data
// after the copier header, which the result keeps as it was, so one patch serves images
// with and without a header.
AppliedPatch ApplyPatch(ByteSpan patch, ByteSpan image, std::size_t copierHeaderSize);
