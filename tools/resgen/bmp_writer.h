#pragma once

#include <cstdint>
#include <vector>

#include "tools/resgen/byte_buffer.h"
#include "tools/resgen/pixel_art.h"

// A full-colour picture, top row first.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
};

// 8-bit palette BMP: palette bitmaps let the tool bar map the grey face colour.
std::vector<std::uint8_t> EncodePaletteBmp(const IndexedImage& image);
std::vector<std::uint8_t> EncodeRgbBmp(const RgbImage& image);

// The BITMAPINFOHEADER that BMP and ICO images share.
void AppendInfoHeader(ByteBuffer& out, int width, int height, int bitCount, std::uint32_t imageSize,
                      std::uint32_t coloursUsed);
void AppendPalette(ByteBuffer& out, const std::vector<Rgb>& palette, std::size_t entries);
void AppendPaletteRows(ByteBuffer& out, const IndexedImage& image);
