#include "win32/app/message_loop.h"

#include "core/rom/rom_messages.h"
#include "win32/app/app_state.h"
#include "win32/app/main_commands.h"
#include "win32/app/modal_windows.h"
#include "win32/app/undo_apply.h"
#include "win32/editors/enemy_editor_window.h"
#include "win32/editors/item_editor_window.h"
#include "win32/editors/misc_text_editor_window.h"
#include "win32/editors/psi_name_editor_window.h"
#include "win32/editors/teleport_editor_window.h"

namespace {

HTREEITEM TreeItemAt(LPARAM position) {
  TVHITTESTINFO hit = {};
  hit.pt.x = static_cast<short>(LOWORD(position));
  hit.pt.y = static_cast<short>(HIWORD(position));
  return reinterpret_cast<HTREEITEM>(SendMessageA(treeView, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

const EditorDefinition* EditorOfItem(HTREEITEM item) {
  if (item == treeItems.enemies) return &EnemyEditor();
  if (item == treeItems.items) return &ItemEditor();
  if (item == treeItems.names) return &PsiNameEditor();
  if (item == treeItems.teleport) return &TeleportEditor();
  if (item == treeItems.text) return &MiscTextEditor();
  return nullptr;
}

void OpenTreeItem(HTREEITEM item) {
  if (!item) return;
  if (item == treeItems.about) {
    ShowAboutBox();
  } else if (item == treeItems.help) {
    platform->OpenHelpFile();
  } else if (const EditorDefinition* editor = EditorOfItem(item)) {
    if (romSession.romLoaded) {
      OpenEditorWindow(*editor);
    } else {
      ShowInformation(*platform, kLoadRomFirst);
    }
  }
}

// Enter and the context-menu key open the selected item as a double-click would.
bool IsOpenKey(const MSG& message) {
  return message.message == WM_KEYDOWN && message.hwnd == treeView &&
         (message.wParam == VK_RETURN || message.wParam == VK_APPS);
}

HTREEITEM SelectedTreeItem() {
  return reinterpret_cast<HTREEITEM>(SendMessageA(treeView, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

}  // namespace

void ProcessLoopMessage(const MSG& message) {
  const int undoCommand = UndoKeyCommand(message);
  if (undoCommand && (message.hwnd == mainWindow || IsChild(mainWindow, message.hwnd))) {
    RunMainCommand(undoCommand);
    return;
  }
  if (message.message == WM_LBUTTONDBLCLK && message.hwnd == treeView) OpenTreeItem(TreeItemAt(message.lParam));
  if (IsOpenKey(message)) {
    OpenTreeItem(SelectedTreeItem());
    return;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) ProcessLoopMessage(message);
  return static_cast<int>(message.wParam);
}
