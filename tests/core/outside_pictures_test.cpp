#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "core/enemy/outside_pictures.h"
#include "tests/support/fixture_image.h"

namespace {

TEST(SpriteFrameTable, FramesLieWhereTheRunsAndGapsPutThem) {
  struct Case {
    std::size_t frame;
    std::uint32_t romPosition;
    int width;
    int height;
    int subPalette;
  } cases[] = {
      {0, 0x110000, 4, 6, 0},    {18, 0x114800, 8, 10, 2},  {106, 0x11D800, 6, 1, 0},  {107, 0x11DB00, 6, 4, 0},
      {1099, 0x152C00, 2, 3, 0}, {1100, 0x152F00, 2, 3, 0}, {1143, 0x154540, 2, 2, 0},
  };
  for (const Case& c : cases) {
    const SpriteFrame& frame = SpriteFrameTable[c.frame];
    EXPECT_EQ(frame.romPosition, c.romPosition) << "frame " << c.frame;
    EXPECT_EQ(frame.widthTiles, c.width) << "frame " << c.frame;
    EXPECT_EQ(frame.heightTiles, c.height) << "frame " << c.frame;
    EXPECT_EQ(frame.subPalette, c.subPalette) << "frame " << c.frame;
  }
  const SpriteFrame& last = SpriteFrameTable[kSpriteFrameCount - 1];
  EXPECT_EQ(last.romPosition + kTileBytes * last.widthTiles * last.heightTiles, 0x1545C0u);
  for (std::size_t i = 0; i < kSpriteFrameCount; ++i) {
    const SpriteFrame& frame = SpriteFrameTable[i];
    ASSERT_TRUE(frame.widthTiles >= 2 && frame.widthTiles <= 8) << "frame " << i;
    ASSERT_TRUE(frame.heightTiles >= 1 && frame.heightTiles <= 10) << "frame " << i;
    ASSERT_LE(frame.subPalette, 4) << "frame " << i;
  }
}

TEST(OutsidePictureFrames, MapPicturesToFramesInTheTable) {
  EXPECT_EQ(OutsidePictureFrames[7], 0u);
  EXPECT_EQ(OutsidePictureFrames[41], 18u);
  for (std::size_t picture : {0, 38, 439, 440, 441, 456}) EXPECT_EQ(OutsidePictureFrames[picture], 104u) << picture;
  EXPECT_EQ(OutsidePictureFrames[463], 873u);
  std::set<std::uint32_t> used;
  for (std::uint32_t frame : OutsidePictureFrames) {
    ASSERT_LT(frame, kSpriteFrameCount);
    used.insert(frame);
  }
  EXPECT_EQ(used.size(), 414u);
}

TEST(OutsidePicturePalette, ColourZeroIsBlackAndTheLastColourOfFourIsPurple) {
  for (const auto& subPalette : OutsidePicturePalette) {
    EXPECT_EQ(subPalette[0].red | subPalette[0].green | subPalette[0].blue, 0);
  }
  const PaletteColour purple = OutsidePicturePalette[4][15];
  EXPECT_EQ(purple.red, 0x50);
  EXPECT_EQ(purple.green, 0x00);
  EXPECT_EQ(purple.blue, 0x78);
  EXPECT_EQ(OutsidePicturePalette[1][7].green, 0x94);
}

TEST(DecodeTile4bpp, CombinesTheFourPlanesLeftmostPixelFromBitSeven) {
  std::uint8_t tile[kTileBytes] = {};
  // Row 0: pixel 0 only in plane 0, pixel 1 only in plane 1, pixel 2 in plane 2, pixel 3 in
  // plane 3, pixel 7 in all four.
  tile[0] = 0x81;
  tile[1] = 0x41;
  tile[16] = 0x21;
  tile[17] = 0x11;
  // Row 3: planes 0 and 1 alternate; row 7: plane 0 only, every pixel.
  tile[6] = 0xAA;
  tile[7] = 0x55;
  tile[14] = 0xFF;
  PictureBuffer pixels;
  pixels.fill(0xEE);
  DecodeTile4bpp(tile, 8, 16, 2, pixels);

  const std::uint8_t expected[8][8] = {
      {33, 34, 36, 40, 0, 0, 0, 47},
      {0, 0, 0, 0, 0, 0, 0, 0},
      {0, 0, 0, 0, 0, 0, 0, 0},
      {33, 34, 33, 34, 33, 34, 33, 34},
      {0, 0, 0, 0, 0, 0, 0, 0},
      {0, 0, 0, 0, 0, 0, 0, 0},
      {0, 0, 0, 0, 0, 0, 0, 0},
      {33, 33, 33, 33, 33, 33, 33, 33},
  };
  for (std::size_t y = 0; y < kPictureHeight; ++y) {
    for (std::size_t x = 0; x < kPictureWidth; ++x) {
      const bool inTile = x >= 8 && x < 16 && y >= 16 && y < 24;
      const std::uint8_t want = inTile ? expected[y - 16][x - 8] : 0xEE;
      ASSERT_EQ(pixels[y * kPictureWidth + x], want) << "pixel " << x << ", " << y;
    }
  }
}

class DecodeSpriteFrameTest : public ::testing::Test {
 protected:
  // Every pixel of the tile takes the value.
  static void PutSolidTile(FixtureImage& image, std::uint32_t offset, unsigned value) {
    for (unsigned row = 0; row < 8; ++row) {
      image.PutByte(offset + 2 * row, value & 1 ? 0xFF : 0);
      image.PutByte(offset + 2 * row + 1, value & 2 ? 0xFF : 0);
      image.PutByte(offset + 16 + 2 * row, value & 4 ? 0xFF : 0);
      image.PutByte(offset + 17 + 2 * row, value & 8 ? 0xFF : 0);
    }
  }

  SpriteFrame Decode(const FixtureImage& image, std::size_t frame) {
    const std::string path = TempPath("sprites.smc");
    image.WriteTo(path);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    const SpriteFrame result = DecodeSpriteFrame(file, kHeaderedLayout, frame, pixels);
    std::fclose(file);
    return result;
  }

  std::uint8_t At(std::size_t x, std::size_t y) const { return pixels[y * kPictureWidth + x]; }

  PictureBuffer pixels;
};

TEST_F(DecodeSpriteFrameTest, FrameSitsTopLeftTileByTileAndTheRestIsBlack) {
  FixtureImage image;
  PutSolidTile(image, 0x110200, 1);                     // tile 0: top left
  PutSolidTile(image, 0x110200 + 3 * kTileBytes, 5);    // tile 3: end of the first row
  PutSolidTile(image, 0x110200 + 23 * kTileBytes, 15);  // tile 23: bottom right
  pixels.fill(0xEE);
  const SpriteFrame frame = Decode(image, OutsidePictureFrames[7]);
  EXPECT_EQ(frame.widthTiles, 4);
  EXPECT_EQ(frame.heightTiles, 6);
  for (std::size_t y = 0; y < kPictureHeight; ++y) {
    for (std::size_t x = 0; x < kPictureWidth; ++x) {
      std::uint8_t want = 0;
      if (x < 8 && y < 8) want = 1;
      if (x >= 24 && x < 32 && y < 8) want = 5;
      if (x >= 24 && x < 32 && y >= 40 && y < 48) want = 15;
      ASSERT_EQ(At(x, y), want) << "pixel " << x << ", " << y;
    }
  }
}

TEST_F(DecodeSpriteFrameTest, LargestFrameFillsTheCellWithItsSubPalette) {
  FixtureImage image;
  for (std::uint32_t tile = 0; tile < 80; ++tile) PutSolidTile(image, 0x114A00 + tile * kTileBytes, 15);
  Decode(image, OutsidePictureFrames[41]);
  for (std::uint8_t pixel : pixels) ASSERT_EQ(pixel, 16 * 2 + 15);
}

TEST_F(DecodeSpriteFrameTest, FrameAfterAGapIsReadFromItsOwnOffset) {
  FixtureImage image;
  PutSolidTile(image, 0x11DA00 + 6 * kTileBytes, 9);  // right after frame 106, inside the gap
  PutSolidTile(image, 0x11DD00, 3);
  Decode(image, 107);
  EXPECT_EQ(At(0, 0), 3);
  EXPECT_EQ(At(7, 7), 3);
  EXPECT_EQ(At(8, 0), 0);
}

TEST_F(DecodeSpriteFrameTest, FrameBeyondTheImageIsABlackCell) {
  FixtureImage image(0x154740 + 64);
  PutSolidTile(image, 0x154740, 7);
  PutSolidTile(image, 0x110200, 2);
  pixels.fill(0xEE);
  const SpriteFrame cut = Decode(image, 1143);
  EXPECT_EQ(cut.widthTiles, 2);
  for (std::uint8_t pixel : pixels) ASSERT_EQ(pixel, 0);

  EXPECT_EQ(Decode(image, 0).widthTiles, 4);
  EXPECT_EQ(At(0, 0), 2) << "frames inside the image still decode";

  pixels.fill(0xEE);
  EXPECT_EQ(Decode(image, kSpriteFrameCount).widthTiles, 0);
  for (std::uint8_t pixel : pixels) ASSERT_EQ(pixel, 0);
}

}  // namespace
