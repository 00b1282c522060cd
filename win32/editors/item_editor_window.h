#pragma once

#include <windows.h>

// The item editor, on the shared editor template.
INT_PTR CALLBACK ItemEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
