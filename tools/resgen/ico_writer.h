#pragma once

#include <cstdint>
#include <vector>

#include "tools/resgen/pixel_art.h"

// One icon file holding every image (for example 32x32 and 16x16), 8-bit with a mask.
std::vector<std::uint8_t> EncodeIco(const std::vector<IndexedImage>& images);
