#pragma once

#include <windows.h>

// Places the window in the middle of the full-screen area at the given pixel size and
// shows it.
void ShowCenteredOnScreen(HWND window, int width, int height);
