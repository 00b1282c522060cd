#include "core/enemy/outside_pictures.h"

namespace {

constexpr std::size_t kTileSize = 8;
constexpr std::size_t kMaxFrameBytes = kTileBytes * (kPictureWidth / kTileSize) * (kPictureHeight / kTileSize);

}  // namespace

void DecodeTile4bpp(const std::uint8_t* tile, std::size_t x, std::size_t y, std::uint8_t subPalette,
                    PictureBuffer& pixels) {
  for (std::size_t row = 0; row < kTileSize; ++row) {
    const std::uint8_t planes[4] = {tile[2 * row], tile[2 * row + 1], tile[16 + 2 * row], tile[17 + 2 * row]};
    for (std::size_t column = 0; column < kTileSize; ++column) {
      const unsigned bit = 7 - static_cast<unsigned>(column);
      unsigned value = 0;
      for (unsigned plane = 0; plane < 4; ++plane) value |= ((planes[plane] >> bit) & 1u) << plane;
      pixels[(y + row) * kPictureWidth + x + column] =
          value == 0 ? 0 : static_cast<std::uint8_t>(16 * subPalette + value);
    }
  }
}

SpriteFrame DecodeSpriteFrame(std::FILE* romFile, const RomLayout& layout, std::size_t frame, PictureBuffer& pixels) {
  pixels.fill(0);
  if (frame >= kSpriteFrameCount) return SpriteFrame{0, 0, 0, 0};
  const SpriteFrame& sprite = SpriteFrameTable[frame];
  std::uint8_t bytes[kMaxFrameBytes];
  const std::size_t size = kTileBytes * sprite.widthTiles * sprite.heightTiles;
  if (std::fseek(romFile, static_cast<long>(layout.FileOffset(sprite.romPosition)), SEEK_SET) != 0 ||
      std::fread(bytes, 1, size, romFile) != size) {
    return sprite;
  }
  // Tiles follow one another row by row, left to right within a row.
  const std::uint8_t* tile = bytes;
  for (std::size_t ty = 0; ty < sprite.heightTiles; ++ty) {
    for (std::size_t tx = 0; tx < sprite.widthTiles; ++tx, tile += kTileBytes) {
      DecodeTile4bpp(tile, kTileSize * tx, kTileSize * ty, sprite.subPalette, pixels);
    }
  }
  return sprite;
}
