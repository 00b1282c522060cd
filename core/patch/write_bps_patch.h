#pragma once

#include <cstdint>
#include <vector>

#include "core/patch/byte_span.h"

// The BPS patch that turns unedited into edited. Equal stretches are read from the source,
// changed ones carried as literal bytes, except where a copy is smaller: a run of one byte
// copied from the output, a block found elsewhere in the source. The patch is never larger
// than the plain encoding of source reads and literals alone.
std::vector<std::uint8_t> WriteBpsPatch(ByteSpan edited, ByteSpan unedited);
