#pragma once

#include <windows.h>

#include <string>

// Moving a value between an editor's control and its boxes record: an edit's text, a
// drop-down list's selected entry, a check box's state.

// Editors read a control's text into a 25-byte buffer, so longer text is cut to its first
// 24 characters without a message.
constexpr int kControlTextBufferSize = 25;

std::string ReadControlText(HWND control);
void ShowControlText(HWND control, const std::string& text);

// The selected entry of a drop-down list, or -1.
int SelectedEntry(HWND list);
// Selects the entry; -1 or an entry the list lacks leaves none selected.
void SelectEntry(HWND list, int entry);

bool IsChecked(HWND box);
void ShowCheck(HWND box, bool checked);
