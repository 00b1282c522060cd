#include "win32/editors/item_editor_window.h"

#include "core/item/item_table.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/editor_frame.h"
#include "win32/editors/item_editor_commands.h"
#include "win32/editors/item_editor_controls.h"
#include "win32/editors/list_fills.h"

namespace {

EditorFrame frame;
ItemEditorControls controls;

EditorFrameLayout ItemEditorLayout() {
  return {"Item Editing",
          6,
          itemEditorMenu,
          590,
          EditorToolBar::ListEditor,
          {"Find Item Name", "List By Type"},
          {{"Stats", 6}},
          "Item Stats:"};
}

void OpenItemEditor(HWND window) {
  frame = BuildEditorFrame(window, ItemEditorLayout());
  controls = CreateItemEditorControls(frame);
  FinishEditorFrame(frame);
  FillItemList(controls.itemList, gameTables.itemTable);
  FillActionList(controls.effect);
  if (ItemSelection < 0 || ItemSelection >= static_cast<int>(kItemCount)) return;
  SendMessageA(controls.itemList, CB_SETCURSEL, static_cast<WPARAM>(ItemSelection), 0);
  ShowItem(controls, static_cast<std::size_t>(ItemSelection));
}

void ChooseItem() {
  const int selected = static_cast<int>(SendMessageA(controls.itemList, CB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  ShowItem(controls, static_cast<std::size_t>(selected));
  ItemSelection = selected;
}

bool HandleItemCommand(WPARAM wParam) {
  if (LOWORD(wParam) == kItemListId && HIWORD(wParam) == CBN_SELENDOK) {
    ChooseItem();
    return true;
  }
  if (HIWORD(wParam) != 0) return false;
  switch (LOWORD(wParam)) {
    case kCmdFind:
      FindItem(controls);
      return true;
    case kCmdListByName:
    case kCmdListByGameOrderOrType:
    case kCmdListByOriginalOrder:
      ChangeItemListOrder(controls, static_cast<ListOrder>(LOWORD(wParam)));
      return true;
    case kCmdDumpToText:
      DumpItemTable();
      return true;
    default:
      return false;
  }
}

}  // namespace

INT_PTR CALLBACK ItemEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OpenItemEditor(window);
    return TRUE;
  }
  INT_PTR result;
  if (HandleEditorFrameMessage(frame, message, wParam, lParam, result)) return result;
  if (IsApplyClick(frame, message, wParam, lParam)) {
    ApplySelectedItem(controls);
    return TRUE;
  }
  if (message == WM_COMMAND) return HandleItemCommand(wParam) ? TRUE : FALSE;
  return FALSE;
}
