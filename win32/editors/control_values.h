#pragma once

#include <windows.h>

#include <string>

// Moving a value between an editor's control and its boxes record: an edit's text, a
// drop-down list's selected entry, a check box's state.

// A control's whole text. The apply keeps at most 24 characters of a typed text; reading all
// of it lets the apply tell a 25-character name shown in full from one the user cut.
std::string ReadControlText(HWND control);
void ShowControlText(HWND control, const std::string& text);

// The selected entry of a drop-down list, or -1.
int SelectedEntry(HWND list);
// Selects the entry; -1 or an entry the list lacks leaves none selected.
void SelectEntry(HWND list, int entry);

bool IsChecked(HWND box);
void ShowCheck(HWND box, bool checked);
