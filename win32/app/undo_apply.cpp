#include "win32/app/undo_apply.h"

#include <string>

#include "core/rom/apply_messages.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"

namespace {

// Rewrites an entry that menu holds (and only then) with its step's name and state.
void ShowItem(HMENU menu, int command, const std::string& verb, const std::string& step, const char* key,
              bool enabled) {
  const auto id = static_cast<UINT>(command);
  if (GetMenuState(menu, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) return;
  const std::string text = verb + (step.empty() ? "" : " " + step) + "\t" + key;
  ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, text.c_str());
}

}  // namespace

void EnableUndoMenuItems(HMENU menu) {
  ShowItem(menu, kCmdUndoApply, "&Undo", NextUndoName(romSession), "Ctrl+Z", CanUndo(romSession));
  ShowItem(menu, kCmdRedoApply, "&Redo", NextRedoName(romSession), "Ctrl+Y", CanRedo(romSession));
}

bool StepJournal(int command, const std::function<void(const JournalStep& step)>& showChanged) {
  const std::optional<JournalStep> step = command == kCmdUndoApply
                                              ? UndoAction(romSession, listOrders, gameTables)
                                              : RedoAction(romSession, listOrders, gameTables);
  if (!step) return false;
  const bool tried = step->outcome == ActionOutcome::Written || step->outcome == ActionOutcome::NotWritten;
  if (tried) showChanged(*step);
  ReportActionOutcome(*platform, step->outcome, romSession.romPath);
  return tried;
}

int UndoKeyCommand(const MSG& message) {
  if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) return 0;
  if (message.wParam == 'Z') return kCmdUndoApply;
  if (message.wParam == 'Y') return kCmdRedoApply;
  return 0;
}
