#pragma once

#include <windows.h>

// The splash picture shown before the main window appears.
INT_PTR CALLBACK SplashDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
