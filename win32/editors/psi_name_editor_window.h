#pragma once

#include <windows.h>

#include "win32/editors/editor_controls.h"

// The PSI name editor, on the shared editor template: sixteen name boxes in two columns.
INT_PTR CALLBACK PsiNameEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Name box i (children of the frame's group box) has ID kPsiNameBoxId + i.
constexpr int kPsiNameBoxId = kFirstEditorControlId;
