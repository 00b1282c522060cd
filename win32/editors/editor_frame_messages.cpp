#include "win32/editors/editor_frame.h"

#include <commctrl.h>

#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"

namespace {

// The menu bar belongs to the shell: a window destroys the menu it still holds, so every
// way out of an editor takes it off first.
void EndEditor(HWND window) {
  SetMenu(window, nullptr);
  EndDialog(window, kEditorDialogResult);
}

// The main window refreshes its status line on a tree selection change from treeView.
void AskForStatusLineRefresh() {
  NMTREEVIEWA change = {};
  change.hdr.hwndFrom = treeView;
  change.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(treeView));
  change.hdr.code = TVN_SELCHANGEDA;
  SendMessageA(mainWindow, WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
}

void CloseRomFromEditor(HWND window) {
  SetMenu(window, nullptr);
  platform->PlaySound(SoundId::RomClosed);
  EndDialog(window, kEditorDialogResult);
  CloseRom(romSession);
  AskForStatusLineRefresh();
}

void SupplyToolTip(const EditorFrameLayout& layout, NMTTDISPINFOA& request) {
  request.hinst = programInstance;
  const char* text = EditorToolTip(layout, static_cast<int>(request.hdr.idFrom));
  if (text) request.lpszText = const_cast<char*>(text);
}

}  // namespace

const char* EditorToolTip(const EditorFrameLayout& layout, int command) {
  switch (command) {
    case kCmdEditorCloseRom:
      return "Close ROM";
    case kCmdEditorHelp:
      return "Help";
    default:
      break;
  }
  if (layout.toolBar != EditorToolBar::ListEditor) return nullptr;
  switch (command) {
    case kCmdFind:
      return layout.listToolTips.find;
    case kCmdListByOriginalOrder:
      return "List By Original Order";
    case kCmdListByName:
      return "List By Alphabetical Order";
    case kCmdListByGameOrderOrType:
      return layout.listToolTips.gameOrderOrType;
    default:
      return nullptr;
  }
}

bool HandleEditorFrameMessage(const EditorFrame& frame, UINT message, WPARAM wParam, LPARAM lParam,
                              INT_PTR& result) {
  result = TRUE;
  switch (message) {
    case WM_CLOSE:
      EndEditor(frame.window);
      return true;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code != TTN_GETDISPINFOA) return false;
      SupplyToolTip(frame.layout, *reinterpret_cast<NMTTDISPINFOA*>(lParam));
      SetWindowLongPtrA(frame.window, DWLP_MSGRESULT, 1);
      return true;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) != 0) return false;
      if (LOWORD(wParam) == kCmdEditorHelp) {
        platform->OpenHelpFile();
        return true;
      }
      if (LOWORD(wParam) == kCmdEditorCloseRom) {
        CloseRomFromEditor(frame.window);
        return true;
      }
      return false;
    default:
      return false;
  }
}
