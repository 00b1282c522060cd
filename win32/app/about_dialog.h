#pragma once

#include <windows.h>

// The About box: the version line in the title font over the template's texts. A close
// request, a timer or a click ends it with result 5.
INT_PTR CALLBACK AboutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

extern const char* const kVersionLine;
constexpr INT_PTR kAboutResult = 5;
