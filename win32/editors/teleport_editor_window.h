#pragma once

#include <windows.h>

#include "win32/editors/editor_controls.h"

// The teleport editor, on the shared editor template: sixteen rows of name, X and Y boxes
// under a column header whose dividers cannot be dragged.
INT_PTR CALLBACK TeleportEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The boxes of row i (children of the window) have these IDs plus i.
constexpr int kTeleportNameBoxId = kFirstEditorControlId;
constexpr int kTeleportXBoxId = kFirstEditorControlId + 20;
constexpr int kTeleportYBoxId = kFirstEditorControlId + 40;
