#include "win32/ips/ips_progress_bar.h"

#include <string>

#include "win32/app/app_state.h"
#include "win32/resources/resource.h"

namespace {

constexpr int kBarWidth = 100;
constexpr int kBarHeight = 24;
constexpr int kTileWidth = 16;
// The first tile starts left of the bar, so the bar's right end holds a whole tile.
constexpr int kFirstTileX = -12;

HBITMAP CreateBar(HDC windowDc, int tileId) {
  HBITMAP bar = CreateCompatibleBitmap(windowDc, kBarWidth, kBarHeight);
  HBITMAP tile = LoadBitmapA(programInstance, MAKEINTRESOURCEA(tileId));
  HDC barDc = CreateCompatibleDC(windowDc);
  HDC tileDc = CreateCompatibleDC(windowDc);
  HGDIOBJ oldBar = SelectObject(barDc, bar);
  HGDIOBJ oldTile = SelectObject(tileDc, tile);
  for (int x = kFirstTileX; x < kBarWidth; x += kTileWidth) {
    BitBlt(barDc, x, 0, kTileWidth, kBarHeight, tileDc, 0, 0, SRCCOPY);
  }
  SelectObject(tileDc, oldTile);
  SelectObject(barDc, oldBar);
  DeleteDC(tileDc);
  DeleteDC(barDc);
  DeleteObject(tile);
  return bar;
}

}  // namespace

IpsProgressBars CreateIpsProgressBars(HWND window) {
  HDC windowDc = GetDC(window);
  const IpsProgressBars bars = {{CreateBar(windowDc, IDB_PROGRESS_TILE_A), CreateBar(windowDc, IDB_PROGRESS_TILE_B)}};
  ReleaseDC(window, windowDc);
  return bars;
}

void DeleteIpsProgressBars(IpsProgressBars& bars) {
  for (HBITMAP& frame : bars.frames) {
    if (frame) DeleteObject(frame);
    frame = nullptr;
  }
}

void DrawIpsProgress(HDC dc, HBITMAP frame, int percentage) {
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, 14, 34, 116, 60);
  SelectObject(dc, oldBrush);

  HDC barDc = CreateCompatibleDC(dc);
  HGDIOBJ oldBar = SelectObject(barDc, frame);
  BitBlt(dc, 15, 35, percentage, kBarHeight, barDc, kBarWidth - percentage, 0, SRCCOPY);
  SelectObject(barDc, oldBar);
  DeleteDC(barDc);

  MoveToEx(dc, percentage + 15, 35, nullptr);
  LineTo(dc, percentage + 15, 59);

  const std::string text = std::to_string(percentage) + "%";
  HGDIOBJ oldFont = SelectObject(dc, normalFont);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, percentage + 17, 36, text.c_str(), static_cast<int>(text.size()));
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}
