#include "win32/editors/outside_picture_drawing.h"

#include <algorithm>
#include <string>

#include "core/enemy/outside_pictures.h"
#include "win32/app/app_state.h"

namespace {

constexpr int kCellWidth = static_cast<int>(kPictureWidth);
constexpr int kCellHeight = static_cast<int>(kPictureHeight);
constexpr int kColourCount = 256;

struct PictureBitmapInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colours[kColourCount];
};

// 8 bits per pixel, stored bottom-up, with the fixed palette; entries past the five
// sub-palettes stay black.
PictureBitmapInfo MakeBitmapInfo() {
  PictureBitmapInfo info = {};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = kCellWidth;
  info.header.biHeight = kCellHeight;
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  info.header.biSizeImage = kCellWidth * kCellHeight;
  info.header.biClrUsed = kColourCount;
  std::size_t entry = 0;
  for (const auto& subPalette : OutsidePicturePalette) {
    for (const PaletteColour& colour : subPalette) {
      info.colours[entry++] = RGBQUAD{colour.blue, colour.green, colour.red, 0};
    }
  }
  return info;
}

const PictureBitmapInfo& BitmapInfo() {
  static const PictureBitmapInfo info = MakeBitmapInfo();
  return info;
}

PictureBuffer BottomUp(const PictureBuffer& pixels) {
  PictureBuffer rows;
  for (std::size_t row = 0; row < kPictureHeight; ++row) {
    std::copy_n(pixels.begin() + row * kPictureWidth, kPictureWidth,
                rows.begin() + (kPictureHeight - 1 - row) * kPictureWidth);
  }
  return rows;
}

}  // namespace

void DrawOutsidePicture(std::FILE* romFile, const RomLayout& layout, int x, int y, std::uint32_t picture, HDC dc) {
  PictureBuffer pixels;
  const SpriteFrame frame = picture < kOutsidePictureCount
                                ? DecodeSpriteFrame(romFile, layout, OutsidePictureFrames[picture], pixels)
                                : SpriteFrame{0, 0, 0, 0};
  const int width = 8 * frame.widthTiles;
  const int height = 8 * frame.heightTiles;

  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  HGDIOBJ previousBrush = SelectObject(dc, black);
  Rectangle(dc, x, y, x + kCellWidth, y + kCellHeight);
  SelectObject(dc, previousBrush);
  if (width == 0 || height == 0) return;

  const PictureBuffer rows = BottomUp(pixels);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(&BitmapInfo());
  HBITMAP bitmap = CreateDIBitmap(dc, &BitmapInfo().header, CBM_INIT, rows.data(), info, DIB_RGB_COLORS);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
  BitBlt(dc, x + kCellWidth / 2 - width / 2, y + kCellHeight / 2 - height / 2, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previousBitmap);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

void DrawOutsidePictureEntry(std::FILE* romFile, const RomLayout& layout, const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const int x = item.rcItem.left;
  const int y = item.rcItem.top;
  DrawOutsidePicture(romFile, layout, x, y, static_cast<std::uint32_t>(item.itemData), item.hDC);
  HGDIOBJ previousFont = SelectObject(item.hDC, smallFont);
  const std::string number = std::to_string(item.itemData);
  TextOutA(item.hDC, x, y + kCellHeight, number.c_str(), static_cast<int>(number.size()));
  SelectObject(item.hDC, previousFont);
  if (item.itemState & ODS_SELECTED) {
    RECT cell = {x, y, x + kCellWidth, y + kCellHeight};
    DrawFocusRect(item.hDC, &cell);
  }
}
