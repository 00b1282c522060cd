#include "core/enemy/outside_pictures.h"

namespace {

constexpr std::uint32_t kFirstFrameRomPosition = 0x110000;
// Two frames are followed by a gap: the next frame starts this far after their start.
constexpr std::uint32_t kGapStride = 0x300;
constexpr std::size_t kFramesBeforeGaps[] = {106, 1099};

// count consecutive frames of the same size and sub-palette, in ROM order.
struct FrameRun {
  std::uint8_t widthTiles;
  std::uint8_t heightTiles;
  std::uint8_t subPalette;
  std::uint16_t count;
};

constexpr FrameRun kFrameRuns[] = {
    {4, 6, 0, 8}, {8, 6, 0, 3}, {8, 6, 1, 3}, {6, 4, 1, 4}, {8, 10, 2, 1}, {8, 8, 2, 1}, {4, 4, 0, 4}, {4, 4, 3, 16},
    {4, 4, 4, 1}, {4, 4, 2, 11}, {4, 4, 0, 4}, {4, 4, 2, 4}, {4, 4, 0, 8}, {2, 3, 0, 37}, {6, 3, 0, 1}, {6, 1, 0, 1},
    {6, 4, 0, 2}, {4, 6, 2, 2}, {4, 6, 1, 2}, {8, 6, 1, 2}, {2, 3, 0, 8}, {2, 4, 1, 1}, {2, 3, 0, 24}, {6, 6, 1, 3},
    {3, 3, 0, 12}, {4, 4, 2, 4}, {4, 4, 3, 2}, {4, 4, 0, 4}, {4, 4, 2, 2}, {4, 4, 0, 6}, {4, 4, 1, 2}, {4, 4, 4, 2},
    {4, 4, 2, 2}, {4, 4, 4, 2}, {4, 4, 2, 2}, {4, 4, 0, 6}, {2, 3, 0, 30}, {4, 6, 0, 2}, {4, 2, 0, 3}, {6, 4, 0, 1},
    {2, 4, 0, 3}, {4, 6, 2, 3}, {2, 4, 1, 3}, {6, 4, 0, 2}, {4, 6, 1, 1}, {2, 3, 0, 8}, {4, 6, 0, 1}, {2, 3, 0, 100},
    {2, 2, 0, 1}, {2, 3, 0, 156}, {2, 3, 4, 4}, {2, 3, 0, 176}, {4, 6, 0, 1}, {2, 2, 0, 2}, {2, 3, 0, 24},
    {2, 3, 2, 4}, {2, 3, 0, 51}, {3, 3, 0, 2}, {2, 3, 2, 3}, {2, 3, 0, 9}, {4, 4, 1, 1}, {4, 4, 2, 1}, {4, 4, 1, 1},
    {2, 4, 0, 2}, {4, 4, 1, 2}, {4, 4, 3, 1}, {2, 2, 2, 4}, {4, 4, 0, 1}, {4, 2, 2, 2}, {4, 3, 1, 1}, {4, 5, 2, 1},
    {4, 4, 1, 1}, {4, 4, 0, 2}, {4, 4, 1, 1}, {4, 4, 2, 2}, {4, 4, 0, 1}, {4, 2, 1, 2}, {2, 2, 0, 4}, {2, 4, 0, 2},
    {2, 2, 0, 8}, {4, 4, 2, 1}, {2, 2, 0, 8}, {2, 2, 2, 12}, {2, 2, 0, 4}, {4, 4, 0, 1}, {2, 2, 0, 12}, {3, 5, 0, 1},
    {2, 6, 2, 1}, {2, 2, 0, 3}, {2, 3, 1, 2}, {3, 4, 0, 1}, {6, 2, 0, 2}, {2, 3, 0, 2}, {2, 6, 2, 1}, {2, 3, 3, 2},
    {2, 3, 1, 2}, {2, 2, 2, 3}, {6, 2, 0, 1}, {2, 6, 1, 1}, {6, 2, 2, 1}, {2, 2, 2, 3}, {2, 3, 0, 18}, {2, 2, 0, 18},
    {2, 3, 0, 8}, {2, 3, 2, 2}, {2, 2, 0, 3}, {2, 3, 0, 4}, {3, 2, 2, 2}, {2, 3, 0, 10}, {2, 3, 3, 2}, {2, 3, 2, 2},
    {2, 3, 3, 2}, {2, 3, 2, 2}, {2, 2, 2, 3}, {2, 2, 3, 3}, {2, 3, 2, 2}, {2, 3, 0, 2}, {2, 3, 1, 2}, {2, 3, 0, 2},
    {2, 2, 0, 3}, {3, 3, 0, 1}, {2, 2, 0, 6}, {4, 2, 1, 1}, {2, 2, 1, 2}, {2, 4, 1, 1}, {2, 2, 0, 2}, {2, 2, 1, 2},
    {2, 2, 0, 4}, {4, 2, 3, 1}, {2, 2, 0, 2}, {4, 2, 1, 1}, {2, 4, 1, 1}, {2, 2, 1, 2}, {2, 4, 1, 1}, {4, 2, 2, 1},
    {4, 2, 1, 1}, {2, 2, 1, 8}, {2, 2, 2, 2}, {2, 4, 2, 3}, {4, 2, 1, 1}, {4, 2, 3, 1}, {2, 2, 1, 2}, {2, 2, 0, 2},
    {4, 2, 0, 1}, {2, 2, 0, 8}, {2, 2, 1, 2}, {4, 2, 0, 1}, {2, 2, 2, 2}, {2, 2, 0, 8}, {2, 2, 2, 6}, {2, 2, 0, 10},
    {3, 2, 2, 1}, {2, 3, 0, 3}, {3, 2, 0, 1}, {2, 3, 0, 1}, {3, 2, 0, 1}, {2, 3, 0, 7}, {3, 2, 0, 1}, {2, 3, 0, 2},
    {3, 2, 0, 3}, {2, 3, 0, 4}, {3, 2, 0, 1}, {2, 3, 0, 4}, {3, 2, 0, 1}, {2, 3, 0, 4}, {2, 3, 2, 2}, {2, 2, 3, 1},
    {2, 2, 1, 1}, {2, 2, 3, 2}, {2, 2, 0, 3}, {2, 2, 2, 3}, {2, 2, 0, 1}, {2, 2, 1, 1}, {2, 2, 2, 1}, {2, 2, 0, 1},
    {2, 2, 1, 1}, {2, 2, 2, 1}, {2, 2, 0, 1}, {2, 2, 1, 1}, {2, 2, 0, 4}, {2, 2, 2, 1}, {2, 2, 1, 1}, {2, 2, 2, 1},
    {2, 2, 0, 2}, {2, 2, 3, 1}, {2, 2, 1, 2}, {2, 2, 0, 11},
};

constexpr bool IsFollowedByGap(std::size_t frame) {
  for (std::size_t gapFrame : kFramesBeforeGaps) {
    if (frame == gapFrame) return true;
  }
  return false;
}

constexpr std::array<SpriteFrame, kSpriteFrameCount> BuildSpriteFrameTable() {
  std::array<SpriteFrame, kSpriteFrameCount> frames{};
  std::uint32_t position = kFirstFrameRomPosition;
  std::size_t frame = 0;
  for (const FrameRun& run : kFrameRuns) {
    for (std::uint16_t i = 0; i < run.count; ++i, ++frame) {
      frames[frame] = SpriteFrame{position, run.widthTiles, run.heightTiles, run.subPalette};
      position += IsFollowedByGap(frame) ? kGapStride
                                       : static_cast<std::uint32_t>(kTileBytes * run.widthTiles * run.heightTiles);
    }
  }
  return frames;
}

}  // namespace

// Built by the compiler, so it is complete before any picture is drawn.
const std::array<SpriteFrame, kSpriteFrameCount> SpriteFrameTable = BuildSpriteFrameTable();
