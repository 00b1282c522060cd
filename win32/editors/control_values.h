#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Moving a value between an editor's control and its boxes record: an edit's text, a
// drop-down list's selected entry, a check box's state.

// A control's whole text. The apply keeps at most 24 characters of a typed text; reading all
// of it lets the apply tell a 25-character name shown in full from one the user cut.
std::string ReadControlText(HWND control);
void ShowControlText(HWND control, const std::string& text);

// The selected entry of a drop-down list, or -1; an "(other: N)" entry reads as -1 too, so
// an apply keeps the stored value it stands for.
int SelectedEntry(HWND list);
// Selects the entry; -1 or an entry the list lacks leaves none selected.
void SelectEntry(HWND list, int entry);
// Selects the entry of a list showing a stored value. For -1 (the value has no entry) the
// list gains an entry "(other: N)" at its end, selected, in place of a blank; any earlier
// such entry goes first.
void SelectEntryOfStored(HWND list, int entry, std::uint32_t stored);

bool IsChecked(HWND box);
void ShowCheck(HWND box, bool checked);
