#pragma once

#include <windows.h>

// The PSI name editor, on the shared editor template.
INT_PTR CALLBACK PsiNameEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
