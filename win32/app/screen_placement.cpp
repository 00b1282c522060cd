#include "win32/app/screen_placement.h"

void ShowCenteredOnScreen(HWND window, int width, int height) {
  const int x = GetSystemMetrics(SM_CXFULLSCREEN) / 2 - width / 2;
  const int y = GetSystemMetrics(SM_CYFULLSCREEN) / 2 - height / 2;
  MoveWindow(window, x, y, width, height, TRUE);
  ShowWindow(window, SW_SHOW);
}
