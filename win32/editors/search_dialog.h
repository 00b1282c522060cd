#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <vector>

// The name search shared by the enemy and the item editor.

// The dialog on template IDD_ENEMY_SEARCH or IDD_ITEM_SEARCH: OK stores at most 24
// characters of the edit in SearchText and ends with 1; Cancel and the close box end with 0.
INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog modally, owned by the main window; true when it was confirmed with text.
bool AskSearchText(int templateId);

// Shows each match in turn and asks question in a "Search found" box after each; No ends
// the walk there. When the matches run out "String not found" ends it.
// Shows the first match after entry current; "String not found" when none follows.
void ShowNextMatch(const std::vector<std::size_t>& matches, int current,
                   const std::function<void(std::size_t)>& showMatch);

void WalkSearchMatches(const std::vector<std::size_t>& matches, const char* question,
                       const std::function<void(std::size_t)>& showMatch);
