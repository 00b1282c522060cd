#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/win32/canvas.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/ips/ips_progress_bar.h"
#include "win32/resources/resource.h"

namespace {

constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

// The colour of each pixel of a made-up bar frame: every column and row its own.
COLORREF FramePixel(int x, int y) {
  return RGB(x + 1, y + 1, 0x33);
}

// A 100×24 frame whose pixels tell where each was taken from.
HBITMAP CodedFrame() {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 100;
  info.bmiHeader.biHeight = -24;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP frame = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 100; ++x) {
      const COLORREF colour = FramePixel(x, y);
      pixels[y * 100 + x] = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    }
  }
  return frame;
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF pixel = GetPixel(dc, x, y) & 0xFFFFFF;
  SelectObject(dc, old);
  DeleteDC(dc);
  return pixel;
}

class IpsProgressDrawing : public ShellTest {};

TEST_F(IpsProgressDrawing, TheBoxTheBarFromItsRightEndTheEdgeLineAndTheFigureStandInPlace) {
  HBITMAP frame = CodedFrame();
  for (int percentage : {0, 40, 100}) {
    SCOPED_TRACE(percentage);
    Canvas drawn(150, 100, kGrey);
    DrawIpsProgress(drawn.dc(), frame, percentage);

    // What the window should show beside the bar: a white box outlined in black, and the
    // figure right of the edge line in the editors' font.
    Canvas expected(150, 100, kGrey);
    const RECT box = {14, 34, 116, 60};
    const RECT inside = {15, 35, 115, 59};
    FillRect(expected.dc(), &inside, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(expected.dc(), &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(expected.dc(), normalFont);
    SetBkMode(expected.dc(), TRANSPARENT);
    const std::string figure = std::to_string(percentage) + "%";
    TextOutA(expected.dc(), percentage + 17, 36, figure.c_str(), static_cast<int>(figure.size()));

    const int line = percentage + 15;
    EXPECT_TRUE(drawn.SameAs(expected, 0, 0, 15, 100)) << "left of the bar";
    EXPECT_TRUE(drawn.SameAs(expected, line + 1, 0, 150, 100)) << "right of the edge line";
    EXPECT_TRUE(drawn.SameAs(expected, 0, 0, 150, 35)) << "above the bar";
    EXPECT_TRUE(drawn.SameAs(expected, 0, 59, 150, 100)) << "below the bar";
    for (int y = 35; y < 59; ++y) {
      EXPECT_EQ(drawn.At(line, y), 0u) << "the edge line, row " << y;
      for (int x = 15; x < line; ++x) {
        ASSERT_EQ(drawn.At(x, y), FramePixel(100 - percentage + x - 15, y - 35)) << x << ", " << y;
      }
    }
  }
  DeleteObject(frame);
}

TEST_F(IpsProgressDrawing, EachBarRepeatsItsTileFromTwelvePixelsLeftOfItsStart) {
  ASSERT_NE(normalFont, nullptr);
  IpsProgressBars bars = CreateIpsProgressBars(mainWindow);
  const int tiles[] = {IDB_PROGRESS_TILE_A, IDB_PROGRESS_TILE_B};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(tiles[i]);
    HBITMAP tile = LoadBitmapA(programInstance, MAKEINTRESOURCEA(tiles[i]));
    ASSERT_NE(tile, nullptr);
    // Columns that differ make a shifted copy show.
    bool columnsDiffer = false;
    for (int y = 0; y < 24 && !columnsDiffer; ++y) {
      columnsDiffer = BitmapPixel(tile, 0, y) != BitmapPixel(tile, 4, y);
    }
    ASSERT_TRUE(columnsDiffer);
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 100; ++x) {
        ASSERT_EQ(BitmapPixel(bars.frames[i], x, y), BitmapPixel(tile, (x + 12) % 16, y)) << x << ", " << y;
      }
    }
    DeleteObject(tile);
  }
  DeleteIpsProgressBars(bars);
  EXPECT_EQ(bars.frames[0], nullptr);
  EXPECT_EQ(bars.frames[1], nullptr);
}

}  // namespace
