#pragma once

#include <windows.h>

#include <initializer_list>

// Controls the editor windows place by hand, at pixel positions relative to their parent.
// Control IDs of the editors start at kFirstEditorControlId, clear of every command ID,
// so that a click or a notification of a control is never taken for a command.

constexpr int kFirstEditorControlId = 1000;

struct HeaderColumn {
  const char* text;
  int width;
};

// Single-line edit: border, tab stop, horizontal auto-scroll, no length limit.
HWND CreateEditBox(HWND parent, int x, int y, int width, int height, int id);
HWND CreateGroupBox(HWND parent, const char* label, int x, int y, int width, int height);
// Left-aligned static text; an ID only for a label whose text changes.
HWND CreateLabel(HWND parent, const char* text, int x, int y, int width, int height, int id = 0);
// Drop-down list without typing, with a vertical scroll bar; height includes the open list.
HWND CreateDropDownList(HWND parent, int x, int y, int width, int height, int id);
// Header with button-style items, one per column, texts left-aligned.
HWND CreateColumnHeader(HWND parent, int x, int y, int width, int height, std::initializer_list<HeaderColumn> columns);

// Whether the window is of the class, compared as Windows compares class names.
bool IsOfClass(HWND window, const char* className);

// The editors' control font (normalFont), redrawn at once.
void UseEditorFont(HWND control);
// The font and the 3-D look; returns the control, so it can wrap the control's creation.
HWND UseEditorFontAndLook(HWND control);
