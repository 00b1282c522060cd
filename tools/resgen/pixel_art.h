#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/resgen/source_text.h"

// A palette picture, top row first; transparent pixels are clear in `opaque`.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> pixels;
  std::vector<bool> opaque;
};

enum class TransparentPixels { Allowed, Forbidden };

// Reads pixel art: a "palette" file line, for bitmaps a "background" colour that '.' pixels
// take, then one or more "image WIDTH HEIGHT" blocks of rows, one character per pixel.
std::vector<IndexedImage> ReadPixelArt(const std::string& path, TransparentPixels transparent);
