#pragma once

#include <cstddef>

#include "core/compare/image_changes.h"
#include "core/patch/byte_span.h"

// Differing stretches this close together (at most this many equal bytes between them)
// are listed as one.
constexpr std::size_t kStretchJoinGap = 16;

// Compares two images by their ROM data (the bytes after any copier header), so an image
// with a header and one without compare alike. A byte one image holds and the other lacks
// differs.
ImageChanges CompareImages(ByteSpan uneditedRom, ByteSpan editedRom);
