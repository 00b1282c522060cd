#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

#include "tests/support/fixture_image.h"
#include "tests/win32/canvas.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/editors/outside_picture_drawing.h"

namespace {

constexpr std::uint32_t kFrame0 = 0x110200;   // 4 x 6 tiles, sub-palette 0: picture 7
constexpr std::uint32_t kFrame18 = 0x114A00;  // 8 x 10 tiles, sub-palette 2: picture 41
constexpr int kX = 10;
constexpr int kY = 5;

class OutsidePictureDrawingTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    FixtureImage image;
    // Frame 0: tile 0 row 0 all value 1; tile 1 row 0 leftmost pixel value 15.
    image.PutByte(kFrame0, 0xFF);
    image.Put(kFrame0 + 32, {0x80, 0x80});
    image.Put(kFrame0 + 32 + 16, {0x80, 0x80});
    // Frame 18: its top-left pixel value 12 (planes 2 and 3).
    image.Put(kFrame18 + 16, {0x80, 0x80});
    const std::string path = TempPath("pictures.smc");
    image.WriteTo(path);
    rom = std::fopen(path.c_str(), "rb");
    ASSERT_NE(rom, nullptr);
  }
  void TearDown() override {
    if (rom) std::fclose(rom);
    ShellTest::TearDown();
  }
  std::FILE* rom = nullptr;
};

TEST_F(OutsidePictureDrawingTest, AFrameIsCentredInItsBlackCellWithTheFixedPalette) {
  Canvas canvas(100, 110, RGB(0xFF, 0xFF, 0xFF));
  DrawOutsidePicture(rom, kHeaderedLayout, kX, kY, 7, canvas.dc());

  EXPECT_EQ(canvas.At(kX + 16, kY + 16), RGB(0xF0, 0xF0, 0xF0));  // frame 0 starts 16 in
  EXPECT_EQ(canvas.At(kX + 23, kY + 16), RGB(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(canvas.At(kX + 24, kY + 16), RGB(0x30, 0x20, 0x20));  // value 15 of sub-palette 0
  EXPECT_EQ(canvas.At(kX + 25, kY + 16), 0u);
  EXPECT_EQ(canvas.At(kX + 16, kY + 17), 0u);
  EXPECT_FALSE(canvas.AnyLit(kX, kY, kX + 64, kY + 16));  // the border above the frame
  EXPECT_EQ(canvas.At(kX + 63, kY + 79), 0u);
  EXPECT_EQ(canvas.At(kX - 1, kY - 1), RGB(0xFF, 0xFF, 0xFF));  // nothing outside the cell
  EXPECT_EQ(canvas.At(kX + 64, kY + 80), RGB(0xFF, 0xFF, 0xFF));
}

TEST_F(OutsidePictureDrawingTest, AFullSizeFrameFillsTheCell) {
  Canvas canvas(100, 110, 0);
  DrawOutsidePicture(rom, kHeaderedLayout, kX, kY, 41, canvas.dc());
  EXPECT_EQ(canvas.At(kX, kY), RGB(0xA0, 0x88, 0xF0));  // value 12 of sub-palette 2
  EXPECT_EQ(canvas.At(kX + 1, kY), 0u);
}

TEST_F(OutsidePictureDrawingTest, AnEntryShowsItsNumberAndItsFocusWhenSelected) {
  Canvas canvas(100, 110, 0);
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_LISTBOX;
  item.itemID = 3;
  item.itemData = 464;  // beyond the pictures: a black cell
  item.hDC = canvas.dc();
  item.rcItem = RECT{kX, kY, kX + 80, kY + 95};
  DrawOutsidePictureEntry(rom, kHeaderedLayout, item);
  EXPECT_FALSE(canvas.AnyLit(kX, kY, kX + 64, kY + 80));
  // The picture number, not the entry's, in the small font from the cell's lower left corner.
  ASSERT_NE(smallFont, nullptr);
  Canvas number(100, 110, 0);
  SelectObject(number.dc(), smallFont);
  TextOutA(number.dc(), kX, kY + 80, "464", 3);
  EXPECT_TRUE(number.AnyLit(kX, kY + 80, kX + 30, kY + 95));
  EXPECT_TRUE(canvas.SameAs(number, 0, kY + 80, 100, 110));

  item.itemState = ODS_SELECTED;
  DrawOutsidePictureEntry(rom, kHeaderedLayout, item);
  EXPECT_TRUE(canvas.AnyLit(kX, kY, kX + 64, kY + 1));  // the focus rectangle's top edge
  EXPECT_FALSE(canvas.AnyLit(kX + 2, kY + 2, kX + 62, kY + 78));
}

}  // namespace
