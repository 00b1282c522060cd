#pragma once

#include <windows.h>

// The teleport editor, on the shared editor template.
INT_PTR CALLBACK TeleportEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
