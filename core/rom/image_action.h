#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "core/rom/image_writes.h"
#include "core/rom/rom_session.h"

// Runs the writes of one user action on the loaded image and keeps what they replaced as one
// journal entry. The writes are held until writes returns and then go to the file together,
// so an image changed behind the program's back gets none of them. Nothing is written to a
// read-only image or one whose path names another file now. Before the first write after a
// load it makes the image's backup; when that fails the writes do not run. writes returns
// false when any of its writes failed. A write that fails part of the way keeps in the entry
// what reached the file, so undoing it puts that back.
ActionOutcome RunImageAction(RomSession& session, const std::function<bool()>& writes);
// The same, the entry labelled for Undo and Redo.
ActionOutcome RunImageAction(RomSession& session, const ActionLabel& label, const std::function<bool()>& writes);

enum class HeldWrite { OutsideAnAction, Held, Unreadable };

// Called by WriteRomBytes first. Inside an action on image it reads the bytes about to be
// replaced into the action's entry and holds the write there (Unreadable when they cannot
// be read: the write fails). Outside an action it holds nothing.
HeldWrite HoldWrite(std::FILE* image, std::uint32_t offset, const std::uint8_t* bytes, std::size_t count);
