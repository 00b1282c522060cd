#include "win32/app/undo_apply.h"

#include "core/rom/apply_messages.h"
#include "core/rom/undo_redo.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"

namespace {

void EnableItem(HMENU menu, int command, bool enabled) {
  EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void EnableUndoMenuItems(HMENU menu) {
  EnableItem(menu, kCmdUndoApply, CanUndo(romSession));
  EnableItem(menu, kCmdRedoApply, CanRedo(romSession));
}

void StepJournal(int command, const std::function<void(std::uint32_t offset)>& showChanged) {
  const std::optional<JournalStep> step = command == kCmdUndoApply
                                              ? UndoAction(romSession, listOrders, gameTables)
                                              : RedoAction(romSession, listOrders, gameTables);
  if (!step) return;
  showChanged(step->offset);
  if (!step->written) ShowWarning(*platform, kChangesNotWritten);
}

int UndoKeyCommand(const MSG& message) {
  if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) return 0;
  if (message.wParam == 'Z') return kCmdUndoApply;
  if (message.wParam == 'Y') return kCmdRedoApply;
  return 0;
}
