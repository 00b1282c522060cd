#pragma once

#include <windows.h>

// The enemy editor, on the shared editor template.
INT_PTR CALLBACK EnemyEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
