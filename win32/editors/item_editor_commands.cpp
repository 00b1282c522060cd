#include "win32/editors/item_editor_commands.h"

#include "core/io/text_dump.h"
#include "core/item/item_dump.h"
#include "core/item/item_order.h"
#include "core/item/item_search.h"
#include "core/tables/table_position.h"
#include "win32/app/app_state.h"
#include "win32/editors/apply_report.h"
#include "win32/editors/list_fills.h"
#include "win32/editors/search_dialog.h"
#include "win32/editors/view_menu.h"
#include "win32/resources/resource.h"

namespace {

void RewriteItemViewMenu(ListOrder chosen) {
  const ViewMenuItem items[] = {
      {ListOrder::Original, "List by &Original Order"},
      {ListOrder::ByName, "List by Item &Name"},
      {ListOrder::ByType, chosen == ListOrder::ByName ? "&List by &Type" : "List by &Type"},
  };
  RewriteViewMenu(itemViewMenu, items, chosen);
}

int SelectedItemEntry(const ItemEditorControls& controls) {
  return static_cast<int>(SendMessageA(controls.itemList, CB_GETCURSEL, 0, 0));
}

void SelectAndShow(const ItemEditorControls& controls, std::size_t position) {
  SendMessageA(controls.itemList, CB_SETCURSEL, position, 0);
  ShowItem(controls, position);
}

}  // namespace

void ShowItem(const ItemEditorControls& controls, std::size_t position) {
  ShowItemView(controls, ViewItem(gameTables.itemTable[position]));
}

void ApplySelectedItem(const ItemEditorControls& controls) {
  const int selected = SelectedItemEntry(controls);
  if (selected < 0) return;
  const ItemApplyResult result = ApplyItem(romSession.romFile, gameTables.itemTable,
                                           static_cast<std::size_t>(selected), ReadItemForm(controls),
                                           listOrders.itemListOrder);
  FillItemList(controls.itemList, gameTables.itemTable);
  SelectAndShow(controls, result.position);
  ReportApplyResult(result.written);
}

void ChangeItemListOrder(const ItemEditorControls& controls, ListOrder order) {
  platform->PlaySound(SoundId::ListOrderChanged);
  listOrders.itemListOrder = order;
  const int selected = SelectedItemEntry(controls);
  const int itemNumber = selected < 0 ? -1 : gameTables.itemTable[selected].itemNumber;
  SortItems(gameTables.itemTable, order);
  FillItemList(controls.itemList, gameTables.itemTable);
  RewriteItemViewMenu(order);
  if (itemNumber < 0) return;
  SelectAndShow(controls, static_cast<std::size_t>(ItemPosition(gameTables.itemTable, itemNumber)));
}

void FindItem(const ItemEditorControls& controls) {
  if (!AskSearchText(IDD_ITEM_SEARCH)) return;
  WalkSearchMatches(FindItems(gameTables.itemTable, SearchText), "Continue Search?",
                    [&controls](std::size_t position) { SelectAndShow(controls, position); });
}

void DumpItemTable() {
  std::string path = textPathBuffer;
  if (!platform->ChooseFile(FileDialog::Text, FileDialogMode::Save, path)) return;
  if (!WriteItemDump(gameTables.itemTable, path)) ShowWarning(*platform, DumpFailedMessage(path));
}
