#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Changes typed or picked into an editor that the shown record does not hold yet. The
// frame remembers its controls whenever a record has been shown; any difference since is
// an unapplied edit, and no way out of the record drops one without asking.

// Remembers the controls of editor as showing its record, and the entry each of
// recordLists shows.
void RememberShownRecord(HWND editor, const std::vector<HWND>& recordLists);
bool HasUnappliedEdits(HWND editor);
// Whether that one control of editor differs from what it showed with the record.
bool HasUnappliedEditIn(HWND editor, HWND control);
// The entry the list showed when the record was remembered; -1 when it is no record list.
int ShownEntryOf(HWND recordList);

enum class EditsDecision { Apply, Drop, Stay };

// "Apply your changes to <record name> first?" with Yes, No and Cancel.
EditsDecision AskToApplyEdits(const std::string& recordName);
