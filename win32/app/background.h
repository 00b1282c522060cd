#pragma once

#include <windows.h>

// backgroundBitmap: 640x480 covered with the 16x16 background tile.
void BuildBackgroundBitmap();
// Copies the part of backgroundBitmap under the window's update rectangle onto the window.
void PaintBackground(HWND window);
