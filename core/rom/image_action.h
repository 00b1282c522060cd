#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "core/rom/rom_session.h"

enum class ActionOutcome {
  Written,     // every write reached the file and was flushed
  NotWritten,  // a write or the flush failed
  NoBackup,    // the backup could not be made, so nothing was written
};

// Runs the writes of one user action on the loaded image and keeps what they replaced as one
// journal entry. Before the first write after a load it makes the image's backup; when that
// fails the writes do not run. writes returns false when any of its writes failed.
ActionOutcome RunImageAction(RomSession& session, const std::function<bool()>& writes);
// The same, the entry labelled for Undo and Redo.
ActionOutcome RunImageAction(RomSession& session, const ActionLabel& label, const std::function<bool()>& writes);

// WriteRomBytes calls this first. Inside an action on image it reads the bytes about to be
// replaced into the action's entry; false when they cannot be read, and the write must not
// happen. Outside an action it does nothing.
bool NoteOverwrite(std::FILE* image, std::uint32_t offset, const std::uint8_t* bytes, std::size_t count);
