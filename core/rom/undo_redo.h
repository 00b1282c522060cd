#pragma once

#include <cstdint>
#include <optional>

#include "core/rom/image_writes.h"
#include "core/rom/rom_session.h"
#include "core/tables/game_tables.h"

struct JournalStep {
  ActionOutcome outcome;
  std::uint32_t offset;  // the first byte the step wrote, so an editor can show the record holding it
  ActionLabel label;     // what the step was and which editor made it
  bool Written() const { return outcome == ActionOutcome::Written; }
};

bool CanUndo(const RomSession& session);
bool CanRedo(const RomSession& session);
// The name of the action an undo (redo) would take back (do again); empty when there is
// none or it has no name.
std::string NextUndoName(const RomSession& session);
std::string NextRedoName(const RomSession& session);

// Writes back the bytes the newest action replaced as one flushed sequence, then reads the
// tables again into the current list orders, so memory matches the file even after a failed
// write. The action moves to the redo side only when every byte was written. Writes nothing,
// and reads nothing again, when the image may not be written or was changed behind the
// program's back (as RunImageAction). Nothing when there is nothing to undo.
std::optional<JournalStep> UndoAction(RomSession& session, const ListOrders& orders, GameTables& tables);
// The same for the action undone last, writing its new bytes again.
std::optional<JournalStep> RedoAction(RomSession& session, const ListOrders& orders, GameTables& tables);
