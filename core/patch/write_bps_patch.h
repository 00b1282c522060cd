#pragma once

#include <cstdint>
#include <vector>

#include "core/patch/arriving_image.h"
#include "core/patch/byte_span.h"

// The BPS patch that turns unedited into edited. Equal stretches are read from the source,
// changed ones carried as literal bytes, except where a copy is smaller: a run of one byte
// copied from the output, a block found elsewhere in the source. The patch is never larger
// than the plain encoding of source reads and literals alone.
std::vector<std::uint8_t> WriteBpsPatch(ByteSpan edited, ByteSpan unedited);

// The same patch, worked out while the images arrive; it is complete only when neither
// image's Failure says otherwise.
std::vector<std::uint8_t> WriteBpsPatch(ArrivingImage& edited, ArrivingImage& unedited);
