#pragma once

#include <windows.h>

// A 32-bit bitmap to draw on and read back, filled with one colour to start.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }
  // Whether any pixel of the rectangle is not black.
  bool AnyLit(int left, int top, int right, int bottom) const;
  // Whether the rectangle holds the same pixels on both canvases.
  bool SameAs(const Canvas& other, int left, int top, int right, int bottom) const;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};
