#include "win32/editors/enemy_editor_commands.h"

#include "core/enemy/apply_enemy.h"
#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_search.h"
#include "core/enemy/enemy_view.h"
#include "core/io/text_dump.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/apply_report.h"
#include "win32/editors/enemy_editor_fields.h"
#include "win32/editors/list_fills.h"
#include "win32/editors/search_dialog.h"
#include "win32/editors/view_menu.h"
#include "win32/resources/resource.h"

namespace {

void RewriteEnemyViewMenu(ListOrder chosen) {
  const ViewMenuItem items[] = {
      {ListOrder::Original, "List by &Original Order"},
      {ListOrder::ByName, "List by Enemy &Name"},
      {ListOrder::ByGameOrder,
       chosen == ListOrder::Original ? "&List by Game &Order" : "List by Game &Order"},
  };
  RewriteViewMenu(enemyViewMenu, items, chosen);
}

void SelectAndShow(const EnemyEditorControls& controls, std::size_t position) {
  SelectEntry(controls.enemyList, static_cast<int>(position));
  ShowEnemy(controls, position);
}

}  // namespace

void ApplySelectedEnemy(const EnemyEditorControls& controls) {
  const int selected = SelectedEntry(controls.enemyList);
  if (selected < 0) return;
  const EnemyApplyResult result =
      ApplyEnemy(romSession.romFile, gameTables.enemyTable, gameTables.itemTable, static_cast<std::size_t>(selected),
                 ReadEnemyForm(controls), listOrders.enemyListOrder);
  FillEnemyList(controls.enemyList, gameTables.enemyTable);
  SelectAndShow(controls, result.position);
  ReportApplyResult(result.written);
}

void ChangeEnemyListOrder(const EnemyEditorControls& controls, ListOrder order) {
  platform->PlaySound(SoundId::ListOrderChanged);
  listOrders.enemyListOrder = order;
  const int selected = SelectedEntry(controls.enemyList);
  const int enemyNumber = selected < 0 ? -1 : gameTables.enemyTable[selected].enemyNumber;
  SortEnemies(gameTables.enemyTable, order);
  FillEnemyList(controls.enemyList, gameTables.enemyTable);
  RewriteEnemyViewMenu(order);
  if (enemyNumber < 0) return;
  SelectAndShow(controls, static_cast<std::size_t>(EnemyPosition(gameTables.enemyTable, enemyNumber)));
}

void FindEnemy(const EnemyEditorControls& controls) {
  if (!AskSearchText(IDD_ENEMY_SEARCH)) return;
  WalkSearchMatches(FindEnemies(gameTables.enemyTable, SearchText), "Find Next?",
                    [&controls](std::size_t position) { SelectAndShow(controls, position); });
}

void DumpEnemyTable() {
  std::string path = textPathBuffer;
  if (!platform->ChooseFile(FileDialog::Text, FileDialogMode::Save, path)) return;
  if (!DumpEnemies(gameTables.enemyTable, path)) ShowWarning(*platform, DumpFailedMessage(path));
}
