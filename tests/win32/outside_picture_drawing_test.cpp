#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

#include "tests/support/fixture_image.h"
#include "tests/win32/shell_fixture.h"
#include "win32/editors/outside_picture_drawing.h"

namespace {

constexpr std::uint32_t kFrame0 = 0x110200;   // 4 x 6 tiles, sub-palette 0: picture 7
constexpr std::uint32_t kFrame18 = 0x114A00;  // 8 x 10 tiles, sub-palette 2: picture 41
constexpr int kX = 10;
constexpr int kY = 5;

// A 32-bit canvas, black, to draw on and read back.
class Canvas {
 public:
  Canvas() : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 100;
    info.bmiHeader.biHeight = -110;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }
  // Whether any pixel of the rectangle is not black.
  bool AnyLit(int left, int top, int right, int bottom) const {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (At(x, y) != 0) return true;
      }
    }
    return false;
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

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
  Canvas canvas;
  const RECT whole = {0, 0, 100, 110};
  FillRect(canvas.dc(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
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
  Canvas canvas;
  DrawOutsidePicture(rom, kHeaderedLayout, kX, kY, 41, canvas.dc());
  EXPECT_EQ(canvas.At(kX, kY), RGB(0xA0, 0x88, 0xF0));  // value 12 of sub-palette 2
  EXPECT_EQ(canvas.At(kX + 1, kY), 0u);
}

TEST_F(OutsidePictureDrawingTest, AnEntryShowsItsNumberAndItsFocusWhenSelected) {
  Canvas canvas;
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_LISTBOX;
  item.itemID = 3;
  item.itemData = 464;  // beyond the pictures: a black cell
  item.hDC = canvas.dc();
  item.rcItem = RECT{kX, kY, kX + 80, kY + 95};
  DrawOutsidePictureEntry(rom, kHeaderedLayout, item);
  EXPECT_FALSE(canvas.AnyLit(kX, kY, kX + 64, kY + 80));
  EXPECT_TRUE(canvas.AnyLit(kX, kY + 80, kX + 30, kY + 95));  // the number under the cell

  item.itemState = ODS_SELECTED;
  DrawOutsidePictureEntry(rom, kHeaderedLayout, item);
  EXPECT_TRUE(canvas.AnyLit(kX, kY, kX + 64, kY + 1));  // the focus rectangle's top edge
  EXPECT_FALSE(canvas.AnyLit(kX + 2, kY + 2, kX + 62, kY + 78));
}

}  // namespace
