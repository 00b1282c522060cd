#pragma once

#include <windows.h>

#include <functional>

#include "core/rom/undo_redo.h"

// Undo and Redo, in the main window's File menu and every editor's Edit menu.

// Greys or enables the two entries, where menu holds them, as the loaded image's journal
// allows, each naming the step it would take ("&Undo Fix Checksum\tCtrl+Z").
void EnableUndoMenuItems(HMENU menu);

// Takes back (kCmdUndoApply) or does again (kCmdRedoApply) one action on the loaded image;
// the tables are read again, then showChanged gets the step (the first byte it wrote and
// its label), and a failed write is reported after it. A step refused before writing (the
// image read-only or changed by another program) is only reported. Returns whether the
// step went to the file.
bool StepJournal(int command, const std::function<void(const JournalStep& step)>& showChanged);

// kCmdUndoApply for Ctrl+Z and kCmdRedoApply for Ctrl+Y going down in the main window's
// loop; 0 for any other message.
int UndoKeyCommand(const MSG& message);
