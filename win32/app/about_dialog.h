#pragma once

#include <windows.h>

// The About box.
INT_PTR CALLBACK AboutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
