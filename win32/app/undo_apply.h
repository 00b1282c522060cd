#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

// Undo Apply and Redo Apply, in the main window's File menu and every editor's Edit menu.

// Greys or enables the two entries, where menu holds them, as the loaded image's journal allows.
void EnableUndoMenuItems(HMENU menu);

// Takes back (kCmdUndoApply) or does again (kCmdRedoApply) one action on the loaded image;
// the tables are read again, then showChanged gets the first byte the step wrote, and a
// failed write is reported after it. Nothing happens when there is nothing to step.
void StepJournal(int command, const std::function<void(std::uint32_t offset)>& showChanged);

// kCmdUndoApply for Ctrl+Z and kCmdRedoApply for Ctrl+Y going down in the main window's
// loop; 0 for any other message.
int UndoKeyCommand(const MSG& message);
