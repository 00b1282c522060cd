#pragma once

#include <windows.h>

// The splash picture shown before the main window appears. It ends after three seconds
// or at a click, with result 5.
INT_PTR CALLBACK SplashDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

constexpr UINT_PTR kSplashTimer = 1;
constexpr UINT kSplashMilliseconds = 3000;
constexpr INT_PTR kSplashResult = 5;
