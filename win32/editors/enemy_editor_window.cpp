#include "win32/editors/enemy_editor_window.h"

#include "core/enemy/apply_enemy.h"
#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_list_texts.h"
#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_search.h"
#include "core/enemy/enemy_view.h"
#include "core/enemy/outside_pictures.h"
#include "core/io/text_dump.h"
#include "core/tables/list_entry.h"
#include "core/text/game_text.h"
#include "core/tables/table_fields.h"
#include "core/tables/table_position.h"
#include "win32/app/app_state.h"
#include "win32/app/output_file_choice.h"
#include "win32/editors/control_values.h"
#include "win32/editors/enemy_editor_layout.h"
#include "win32/editors/list_fills.h"
#include "win32/editors/outside_picture_drawing.h"
#include "win32/editors/search_dialog.h"
#include "win32/editors/view_menu.h"
#include "win32/resources/resource.h"

namespace {

EnemyEditorControls controls;

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
  for (HWND list : controls.actions) FillActionList(list);
  FillActionList(controls.finalAction);
  FillList(controls.actionOrder, ActionOrderNames, kActionOrderCount);
  FillOutsidePictureList(controls.outsidePicture);
}

void RewriteEnemyViewMenu(ListOrder chosen) {
  const ViewMenuItem items[] = {
      {ListOrder::Original, "List by &Original Order"},
      {ListOrder::ByName, "List by Enemy &Name"},
      {ListOrder::ByGameOrder,
       chosen == ListOrder::Original ? "&List by Game &Order" : "List by Game &Order"},
  };
  RewriteViewMenu(enemyViewMenu, items, chosen);
}

void ShowEnemy(std::size_t position) {
  const EnemyRecord& enemy = gameTables.enemyTable[position];
  ShowEnemyBoxes(controls, ViewEnemy(enemy, gameTables.enemyTable, gameTables.itemTable), enemy);
}

void SelectAndShow(std::size_t position) {
  SelectEntry(controls.enemyList, static_cast<int>(position));
  ShowEnemy(position);
}

// The argument boxes are left to the enemy's show, which fills each with the list its
// action takes.
void ShowRememberedEnemy() {
  FillEnemyEditorLists();
  if (EnemySelection < 0 || EnemySelection >= static_cast<int>(kEnemyCount)) return;
  SelectAndShow(static_cast<std::size_t>(EnemySelection));
}

// Applies the enemy selected in the list (nothing when none is), then refills the list and
// shows the enemy at its new place.
bool ApplySelectedEnemy() {
  const int selected = SelectedEntry(controls.enemyList);
  if (selected < 0) return true;
  const EnemyApplyResult result =
      ApplyEnemy(romSession.romFile, gameTables.enemyTable, gameTables.itemTable, static_cast<std::size_t>(selected),
                 ReadEnemyBoxes(controls), listOrders.enemyListOrder);
  FillEnemyList(controls.enemyList, gameTables.enemyTable);
  SelectAndShow(result.position);
  return result.written;
}

std::string RefuseEnemyBoxes() {
  return EnemyBoxesProblem(ReadEnemyBoxes(controls));
}

// An undo or redo of another table leaves the enemy order as it was, so the enemy at the
// selected place is the one shown before.
void ShowChangedEnemy(std::uint32_t offset) {
  int position = PositionHolding(gameTables.enemyTable, offset, kEnemyRecordSize);
  if (position == kNoSelection) position = SelectedEntry(controls.enemyList);
  FillEnemyEditorLists();
  if (position == kNoSelection) return;
  SelectAndShow(static_cast<std::size_t>(position));
  EnemySelection = position;
}

void ChooseEnemy() {
  const int selected = SelectedEntry(controls.enemyList);
  if (selected < 0) return;
  ShowEnemy(static_cast<std::size_t>(selected));
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

// Re-sorts the table, refills the list, checks the order in the View menu and shows the
// same enemy at its new place.
void ChangeEnemyListOrder(ListOrder order) {
  platform->PlaySound(SoundId::ListOrderChanged);
  listOrders.enemyListOrder = order;
  const int selected = SelectedEntry(controls.enemyList);
  const int enemyNumber = selected < 0 ? -1 : gameTables.enemyTable[selected].enemyNumber;
  SortEnemies(gameTables.enemyTable, order);
  FillEnemyList(controls.enemyList, gameTables.enemyTable);
  RewriteEnemyViewMenu(order);
  if (enemyNumber < 0) return;
  SelectAndShow(static_cast<std::size_t>(EnemyPosition(gameTables.enemyTable, enemyNumber)));
}

void FindEnemy() {
  if (!AskSearchText(IDD_ENEMY_SEARCH)) return;
  WalkSearchMatches(FindEnemies(gameTables.enemyTable, SearchText), "Find Next?", SelectAndShow);
}

// F3: the next match of the last search after the shown enemy; without one, a new search.
void FindNextEnemy() {
  if (SearchText.empty()) {
    FindEnemy();
    return;
  }
  ShowNextMatch(FindEnemies(gameTables.enemyTable, SearchText), SelectedEntry(controls.enemyList), SelectAndShow);
}

std::string EnemyName(int entry) {
  const std::string name = entry < 0 ? "" : GameText(gameTables.enemyTable[entry].name, kNameFieldLength);
  return name.empty() ? "this enemy" : name;
}

std::string EnemyStepName(int entry) {
  if (entry < 0) return EnemyName(entry);
  const EnemyRecord& enemy = gameTables.enemyTable[entry];
  return StepRecordText("Enemy", enemy.name, enemy.enemyNumber);
}

void DumpEnemyTable() {
  std::string path = textPathBuffer;
  if (!ChooseOutputFile(FileDialog::Text, path)) return;
  if (!WriteEnemyDump(gameTables.enemyTable, path)) ShowWarning(*platform, DumpFailedMessage(path));
}

bool HandleControlNotification(int id, int code) {
  if (code != CBN_SELENDOK) return false;
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

bool DrawOutsidePicture(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != kEnemyOutsidePictureId) return false;
  DrawOutsidePictureEntry(romSession.romFile, romSession.romLayout, item);
  return true;
}

void CreateControls(const EditorFrame& frame) {
  controls = CreateEnemyEditorControls(frame);
}

void ShowTab(int tab) {
  ShowEnemyEditorTab(OpenEditorFrame(), controls, static_cast<EnemyEditorTab>(tab));
}

EditorDefinition Define() {
  EditorDefinition editor;
  editor.layout = {"Enemy Editing",
                   2,
                   &enemyEditorMenu,
                   620,
                   EditorToolBar::ListEditor,
                   {"Find Enemy Name", "List By Game Order"},
                   {{"Stats", 2}, {"Actions", 3}, {"Gfx / Sound", 17}},
                   "Enemy Stats:"};
  editor.createControls = CreateControls;
  editor.show = ShowRememberedEnemy;
  editor.refusal = RefuseEnemyBoxes;
  editor.apply = ApplySelectedEnemy;
  editor.showChanged = ShowChangedEnemy;
  editor.find = FindEnemy;
  editor.findNext = FindNextEnemy;
  editor.changeListOrder = ChangeEnemyListOrder;
  editor.dumpToText = DumpEnemyTable;
  editor.csvTable = EnemyTableFields;
  editor.recordLists = {kEnemyListId};
  editor.recordName = EnemyName;
  editor.stepName = EnemyStepName;
  editor.onCommand = HandleControlNotification;
  editor.showTab = ShowTab;
  editor.drawItem = DrawOutsidePicture;
  return editor;
}

}  // namespace

const EditorDefinition& EnemyEditor() {
  static const EditorDefinition editor = Define();
  return editor;
}
