#include "tests/win32/canvas.h"

Canvas::Canvas(int width, int height, COLORREF fill) : dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  previous_ = SelectObject(dc_, bitmap_);
  const RECT whole = {0, 0, width, height};
  HBRUSH brush = CreateSolidBrush(fill);
  FillRect(dc_, &whole, brush);
  DeleteObject(brush);
}

Canvas::~Canvas() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

bool Canvas::AnyLit(int left, int top, int right, int bottom) const {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (At(x, y) != 0) return true;
    }
  }
  return false;
}

bool Canvas::SameAs(const Canvas& other, int left, int top, int right, int bottom) const {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (At(x, y) != other.At(x, y)) return false;
    }
  }
  return true;
}
