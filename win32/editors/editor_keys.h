#pragma once

#include <windows.h>

// The keyboard of an open editor, read from the dialog's own loop before the dialog manager
// sees a key:
//   - the command keys of kEditorKeys (Ctrl+F Find, F3 Find Next, F1 Help, Ctrl+Z Undo
//     Apply, Ctrl+Y Redo Apply) become commands, except Ctrl+Z in an edit box holding
//     unapplied typing, which undoes the typing;
//   - Tab and Shift+Tab visit every enabled control in reading order, whatever its parent;
//   - Enter in a list that is not open does nothing, so the default button only applies
//     from outside the lists.
// After every key and click that may have changed a control, the editor window gets
// kEditorInputMessage, so it can look at its controls again.

constexpr UINT kEditorInputMessage = WM_APP + 1;

void StartEditorKeys(HWND editor);
void StopEditorKeys();

// Whether the control is a list (drop-down or list box), where Enter does not apply.
bool IsListControl(HWND control);
