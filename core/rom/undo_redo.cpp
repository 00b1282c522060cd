#include "core/rom/undo_redo.h"

#include <utility>
#include <vector>

namespace {

// Writes one side of the newest entry of from; on success the entry moves to to.
std::optional<JournalStep> Step(RomSession& session, std::vector<JournalEntry>& from, std::vector<JournalEntry>& to,
                                SpanSide side, const ListOrders& orders, GameTables& tables) {
  if (from.empty()) return std::nullopt;
  const JournalEntry& entry = from.back();
  JournalStep step{MayWriteImage(session), entry.spans.front().offset, entry.label};
  if (step.outcome != ActionOutcome::Written) return step;
  step.outcome = WriteSpans(session, entry.spans, side).outcome;
  if (step.outcome == ActionOutcome::ChangedBehind) return step;
  if (step.outcome == ActionOutcome::Written) {
    to.push_back(std::move(from.back()));
    from.pop_back();
  }
  LoadGameTables(session.romFile, session.romLayout, orders, tables);
  return step;
}

}  // namespace

bool CanUndo(const RomSession& session) {
  return !session.journal.undo.empty();
}

bool CanRedo(const RomSession& session) {
  return !session.journal.redo.empty();
}

std::string NextUndoName(const RomSession& session) {
  return CanUndo(session) ? session.journal.undo.back().label.name : "";
}

std::string NextRedoName(const RomSession& session) {
  return CanRedo(session) ? session.journal.redo.back().label.name : "";
}

std::optional<JournalStep> UndoAction(RomSession& session, const ListOrders& orders, GameTables& tables) {
  return Step(session, session.journal.undo, session.journal.redo, &JournalSpan::before, orders, tables);
}

std::optional<JournalStep> RedoAction(RomSession& session, const ListOrders& orders, GameTables& tables) {
  return Step(session, session.journal.redo, session.journal.undo, &JournalSpan::after, orders, tables);
}
