#include "win32/editors/enemy_editor_window.h"

#include <commctrl.h>

#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_list_texts.h"
#include "core/enemy/outside_pictures.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/editor_frame.h"
#include "win32/editors/enemy_editor_commands.h"
#include "win32/editors/enemy_editor_controls.h"
#include "win32/editors/enemy_editor_fields.h"
#include "win32/editors/list_fills.h"
#include "win32/editors/outside_picture_drawing.h"

namespace {

EditorFrame frame;
EnemyEditorControls controls;

EditorFrameLayout EnemyEditorLayout() {
  return {"Enemy Editing",
          2,
          enemyEditorMenu,
          620,
          EditorToolBar::ListEditor,
          {"Find Enemy Name", "List By Game Order"},
          {{"Stats", 2}, {"Actions", 3}, {"Gfx / Sound", 17}},
          "Enemy Stats:"};
}

// The entries carry their picture numbers; the list keeps no texts.
void FillOutsidePictureList(HWND list) {
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendMessageA(list, LB_INITSTORAGE, kOutsidePictureCount, 0);
  for (std::size_t picture = 0; picture < kOutsidePictureCount; ++picture) {
    SendMessageA(list, LB_ADDSTRING, 0, static_cast<LPARAM>(picture));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

void FillEnemyEditorLists() {
  FillList(controls.itemFrequency, ItemFrequencyNames, kItemFrequencyCount);
  FillList(controls.deathSound, DeathSoundNames, kDeathSoundCount);
  FillList(controls.type, EnemyTypeNames, kEnemyTypeCount);
  FillList(controls.music, MusicNames, kMusicCount);
  FillItemList(controls.item, gameTables.itemTable);
  FillEnemyList(controls.enemyList, gameTables.enemyTable);
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    FillActionList(controls.actions[k]);
    FillEnemyList(controls.arguments[k], gameTables.enemyTable);
  }
  FillActionList(controls.finalAction);
  FillList(controls.actionOrder, ActionOrderNames, kActionOrderCount);
  FillOutsidePictureList(controls.outsidePicture);
}

void OpenEnemyEditor(HWND window) {
  frame = BuildEditorFrame(window, EnemyEditorLayout());
  SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  AddEditorGroupBox(frame);
  controls = CreateEnemyEditorControls(frame);
  FinishEditorFrame(frame);
  FillEnemyEditorLists();
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  if (EnemySelection < 0 || EnemySelection >= static_cast<int>(kEnemyCount)) return;
  SelectEntry(controls.enemyList, EnemySelection);
  ShowEnemy(controls, static_cast<std::size_t>(EnemySelection));
}

void ChooseEnemy() {
  const int selected = SelectedEntry(controls.enemyList);
  if (selected < 0) return;
  ShowEnemy(controls, static_cast<std::size_t>(selected));
  EnemySelection = selected;
}

// A newly chosen action refills its argument box from the shown enemy's stored argument.
void ChooseAction(std::size_t k) {
  const int action = SelectedEntry(controls.actions[k]);
  const int enemy = SelectedEntry(controls.enemyList);
  const std::uint8_t argument = enemy < 0 ? 0 : gameTables.enemyTable[enemy].arguments[k];
  const ActionArgumentKind kind = action < 0 ? ActionArgumentKind::None : ArgumentKindOf(action);
  ShowArgument(controls.arguments[k],
               ViewArgumentOfChosenAction(kind, argument, gameTables.enemyTable, gameTables.itemTable));
}

bool HandleControlNotification(WPARAM wParam) {
  if (HIWORD(wParam) != CBN_SELENDOK) return false;
  const int id = LOWORD(wParam);
  if (id == kEnemyListId) {
    ChooseEnemy();
    return true;
  }
  if (id >= kEnemyActionId && id < kEnemyActionId + static_cast<int>(kEnemyActionCount)) {
    ChooseAction(static_cast<std::size_t>(id - kEnemyActionId));
    return true;
  }
  return false;
}

bool HandleCommand(int command) {
  switch (command) {
    case kCmdFind:
      FindEnemy(controls);
      return true;
    case kCmdListByName:
    case kCmdListByGameOrderOrType:
    case kCmdListByOriginalOrder:
      ChangeEnemyListOrder(controls, static_cast<ListOrder>(command));
      return true;
    case kCmdDumpToText:
      DumpEnemyTable();
      return true;
    default:
      return false;
  }
}

bool IsTabChange(LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  return header->hwndFrom == frame.tabControl && header->code == TCN_SELCHANGE;
}

}  // namespace

INT_PTR CALLBACK EnemyEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OpenEnemyEditor(window);
    return TRUE;
  }
  INT_PTR result;
  if (HandleEditorFrameMessage(frame, message, wParam, lParam, result)) return result;
  if (IsApplyClick(frame, message, wParam, lParam)) {
    ApplySelectedEnemy(controls);
    return TRUE;
  }
  switch (message) {
    case WM_DRAWITEM:
      if (wParam != kEnemyOutsidePictureId) return FALSE;
      DrawOutsidePictureEntry(romSession.romFile, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_NOTIFY:
      if (!IsTabChange(lParam)) return FALSE;
      ShowEnemyEditorTab(frame, controls,
                         static_cast<EnemyEditorTab>(SendMessageA(frame.tabControl, TCM_GETCURSEL, 0, 0)));
      return TRUE;
    case WM_COMMAND:
      if (HandleControlNotification(wParam)) return TRUE;
      return HIWORD(wParam) == 0 && HandleCommand(LOWORD(wParam));
    default:
      return FALSE;
  }
}
