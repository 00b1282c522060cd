#include "win32/editors/editor_frame.h"

#include <commctrl.h>

#include "core/rom/apply_messages.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"

namespace {

// One editor is open at a time, modal to the main window.
const EditorDefinition* definition = nullptr;
EditorFrame frame;

void OpenEditor(HWND window, const EditorDefinition& opened) {
  definition = &opened;
  frame = BuildEditorFrame(window, opened.layout);
  // Drawing is held off while the controls go in and the lists fill, then the whole window
  // is drawn once: the tab control lies over the editor's controls, and a part repainted
  // alone would hide controls that have no reason to paint again (a label).
  SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  opened.createControls(frame);
  FinishEditorFrame(frame);
  opened.show();
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The menu bar belongs to the shell: a window destroys the menu it still holds, so every
// way out of an editor takes it off first.
void EndEditor() {
  SetMenu(frame.window, nullptr);
  EndDialog(frame.window, kEditorDialogResult);
}

// The main window refreshes its status line on a tree selection change from treeView.
void AskForStatusLineRefresh() {
  NMTREEVIEWA change = {};
  change.hdr.hwndFrom = treeView;
  change.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(treeView));
  change.hdr.code = TVN_SELCHANGEDA;
  SendMessageA(mainWindow, WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
}

void CloseRomFromEditor() {
  SetMenu(frame.window, nullptr);
  platform->PlaySound(SoundId::RomClosed);
  EndDialog(frame.window, kEditorDialogResult);
  CloseRom(romSession);
  AskForStatusLineRefresh();
}

void Apply() {
  const std::string refusal = definition->refusal ? definition->refusal() : std::string();
  if (!refusal.empty()) {
    ShowWarning(*platform, refusal);
    return;
  }
  if (!definition->apply()) ShowWarning(*platform, kChangesNotWritten);
}

bool OnListEditorCommand(int command) {
  switch (command) {
    case kCmdFind:
      if (!definition->find) return false;
      definition->find();
      return true;
    case kCmdListByOriginalOrder:
    case kCmdListByName:
    case kCmdListByGameOrderOrType:
      if (!definition->changeListOrder) return false;
      definition->changeListOrder(static_cast<ListOrder>(command));
      return true;
    case kCmdDumpToText:
      if (!definition->dumpToText) return false;
      definition->dumpToText();
      return true;
    default:
      return false;
  }
}

bool OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (code == BN_CLICKED && lParam != 0 && reinterpret_cast<HWND>(lParam) == frame.applyButton) {
    Apply();
    return true;
  }
  if (code == 0 && id == kCmdEditorHelp) {
    platform->OpenHelpFile();
    return true;
  }
  if (code == 0 && id == kCmdEditorCloseRom) {
    CloseRomFromEditor();
    return true;
  }
  if (code == 0 && OnListEditorCommand(id)) return true;
  return definition->onCommand && definition->onCommand(id, code);
}

void SupplyToolTip(NMTTDISPINFOA& request) {
  request.hinst = programInstance;
  const char* text = EditorToolTip(definition->layout, static_cast<int>(request.hdr.idFrom));
  if (text) request.lpszText = const_cast<char*>(text);
}

bool OnNotify(NMHDR& header, LRESULT& answer) {
  if (header.code == TTN_GETDISPINFOA) {
    SupplyToolTip(reinterpret_cast<NMTTDISPINFOA&>(header));
    answer = 1;
    return true;
  }
  if (header.hwndFrom == frame.tabControl && header.code == TCN_SELCHANGE && definition->showTab) {
    definition->showTab(static_cast<int>(SendMessageA(frame.tabControl, TCM_GETCURSEL, 0, 0)));
    return true;
  }
  return definition->onNotify && definition->onNotify(header, answer);
}

}  // namespace

const EditorFrame& OpenEditorFrame() {
  return frame;
}

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

INT_PTR CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OpenEditor(window, *reinterpret_cast<const EditorDefinition*>(lParam));
    return TRUE;
  }
  if (!definition || window != frame.window) return FALSE;
  switch (message) {
    case WM_CLOSE:
      EndEditor();
      return TRUE;
    case WM_NCDESTROY:
      definition = nullptr;
      frame = {};
      return FALSE;
    case WM_COMMAND:
      return OnCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_NOTIFY: {
      LRESULT answer = 0;
      if (!OnNotify(*reinterpret_cast<NMHDR*>(lParam), answer)) return FALSE;
      SetWindowLongPtrA(window, DWLP_MSGRESULT, answer);
      return TRUE;
    }
    case WM_DRAWITEM:
      return definition->drawItem && definition->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE
                                                                                                          : FALSE;
    default:
      return FALSE;
  }
}
