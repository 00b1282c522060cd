#pragma once

#include <windows.h>

// The two frames of the progress bar, each 100×24 pixels of repeated tiles.
struct IpsProgressBars {
  HBITMAP frames[2];
};

IpsProgressBars CreateIpsProgressBars(HWND window);
void DeleteIpsProgressBars(IpsProgressBars& bars);
// Draws the bar of the frame at percentage onto the progress window's client area, with the
// figure travelling at its right edge.
void DrawIpsProgress(HDC dc, HBITMAP frame, int percentage);
