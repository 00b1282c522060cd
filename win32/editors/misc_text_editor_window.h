#pragma once

#include <windows.h>

// The misc. text editor, on the shared editor template.
INT_PTR CALLBACK MiscTextEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
