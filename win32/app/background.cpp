#include "win32/app/background.h"

#include "win32/app/app_state.h"
#include "win32/resources/resource.h"

namespace {

constexpr int kBackgroundWidth = 640;
constexpr int kBackgroundHeight = 480;
constexpr int kTileSize = 16;

}  // namespace

void BuildBackgroundBitmap() {
  HDC windowDc = GetDC(mainWindow);
  backgroundBitmap = CreateCompatibleBitmap(windowDc, kBackgroundWidth, kBackgroundHeight);
  HDC backgroundDc = CreateCompatibleDC(windowDc);
  HDC tileDc = CreateCompatibleDC(windowDc);
  HBITMAP tile = LoadBitmapA(programInstance, MAKEINTRESOURCEA(IDB_BACKGROUND_TILE));
  HGDIOBJ oldBackground = SelectObject(backgroundDc, backgroundBitmap);
  if (tile) {
    HGDIOBJ oldTile = SelectObject(tileDc, tile);
    for (int row = 0; row < kBackgroundHeight / kTileSize; ++row) {
      for (int column = 0; column < kBackgroundWidth / kTileSize; ++column) {
        BitBlt(backgroundDc, column * kTileSize, row * kTileSize, kTileSize, kTileSize, tileDc, 0, 0, SRCCOPY);
      }
    }
    SelectObject(tileDc, oldTile);
    DeleteObject(tile);
  }
  SelectObject(backgroundDc, oldBackground);
  DeleteDC(tileDc);
  DeleteDC(backgroundDc);
  ReleaseDC(mainWindow, windowDc);
}

void PaintBackground(HWND window) {
  RECT update;
  if (!GetUpdateRect(window, &update, FALSE)) return;
  HDC windowDc = GetDC(window);
  HDC backgroundDc = CreateCompatibleDC(windowDc);
  HGDIOBJ old = SelectObject(backgroundDc, backgroundBitmap);
  BitBlt(windowDc, update.left, update.top, update.right - update.left, update.bottom - update.top, backgroundDc,
         update.left, update.top, SRCCOPY);
  SelectObject(backgroundDc, old);
  DeleteDC(backgroundDc);
  ReleaseDC(window, windowDc);
}
