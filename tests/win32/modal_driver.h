#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Drives a modal dialog from inside its own loop. open shows the dialog and returns when it
// has ended (a tree double-click, a command, DialogBoxParam); drive runs once the dialog is
// up and its loop is idle, and gets the dialog's handle. Whatever drive leaves open is then
// closed (WM_CLOSE, and EndDialog should that not end it), so a failing test never hangs.
// Returns whether a dialog appeared.
//
// It works through a thread timer: every modal loop dispatches thread timers, and the first
// tick comes only when the loop has nothing else to do, after WM_INITDIALOG and the first
// paint.
bool DriveModalDialog(const std::function<void()>& open, const std::function<void(HWND dialog)>& drive);
// The same for the first dialog with that title; any other that comes and goes meanwhile, a
// progress window for one, is left to itself.
bool DriveModalDialogTitled(const std::string& title, const std::function<void()>& open,
                            const std::function<void(HWND dialog)>& drive);
