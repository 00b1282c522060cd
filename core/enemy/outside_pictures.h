#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "core/rom/rom_layout.h"

// The enemy editor's outside pictures, decoded from the image's uncompressed sprite
// graphics. Nothing here writes to the image.
constexpr std::size_t kOutsidePictureCount = 464;
constexpr std::size_t kSpriteFrameCount = 1144;
constexpr std::size_t kPictureWidth = 64;
constexpr std::size_t kPictureHeight = 80;
constexpr std::size_t kTileBytes = 32;

struct SpriteFrame {
  std::uint32_t romPosition;
  std::uint8_t widthTiles;
  std::uint8_t heightTiles;
  std::uint8_t subPalette;
};

struct PaletteColour {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// Five sub-palettes of 16 colours; a pixel v of sub-palette s is colour table entry 16 s + v.
using SpritePalette = std::array<std::array<PaletteColour, 16>, 5>;

// Frame shown for each outside picture number.
extern const std::array<std::uint32_t, kOutsidePictureCount> OutsidePictureFrames;
extern const SpritePalette OutsidePicturePalette;
extern const std::array<SpriteFrame, kSpriteFrameCount> SpriteFrameTable;

// One colour table index per pixel, row by row from the top; 0 is black.
using PictureBuffer = std::array<std::uint8_t, kPictureWidth * kPictureHeight>;

// Decodes one 32-byte SNES 4-bit planar tile to pixel (x, y) of the buffer.
void DecodeTile4bpp(const std::uint8_t* tile, std::size_t x, std::size_t y, std::uint8_t subPalette,
                    PictureBuffer& pixels);

// Fills the buffer with the frame at its top-left, the rest black, and returns the frame.
// A frame that is not wholly inside the image, or an index past the table, gives a black
// cell.
SpriteFrame DecodeSpriteFrame(std::FILE* romFile, const RomLayout& layout, std::size_t frame, PictureBuffer& pixels);
