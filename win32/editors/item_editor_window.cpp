#include "win32/editors/item_editor_window.h"

#include "core/io/text_dump.h"
#include "core/tables/list_entry.h"
#include "core/text/game_text.h"
#include "core/item/apply_item.h"
#include "core/item/item_dump.h"
#include "core/item/item_order.h"
#include "core/item/item_search.h"
#include "core/item/item_view.h"
#include "core/tables/overlapping_entries.h"
#include "core/tables/table_fields.h"
#include "core/tables/table_position.h"
#include "win32/app/app_state.h"
#include "win32/app/output_file_choice.h"
#include "win32/editors/control_values.h"
#include "win32/editors/item_editor_layout.h"
#include "win32/editors/list_fills.h"
#include "win32/editors/overwrite_question.h"
#include "win32/editors/search_dialog.h"
#include "win32/editors/view_menu.h"
#include "win32/resources/resource.h"

namespace {

ItemEditorControls controls;

void RewriteItemViewMenu(ListOrder chosen) {
  const ViewMenuItem items[] = {
      {ListOrder::Original, "List by &Original Order"},
      {ListOrder::ByName, "List by Item &Name"},
      {ListOrder::ByType, chosen == ListOrder::ByName ? "&List by &Type" : "List by &Type"},
  };
  RewriteViewMenu(itemViewMenu, items, chosen);
}

void ShowItem(std::size_t position) {
  const ItemRecord& item = gameTables.itemTable[position];
  ShowItemBoxes(controls, ViewItem(item), item);
}

void SelectAndShow(std::size_t position) {
  SelectEntry(controls.itemList, static_cast<int>(position));
  ShowItem(position);
}

void ShowRememberedItem() {
  FillItemList(controls.itemList, gameTables.itemTable);
  FillActionList(controls.effect);
  if (ItemSelection < 0 || ItemSelection >= static_cast<int>(kItemCount)) return;
  SelectAndShow(static_cast<std::size_t>(ItemSelection));
}

// An item past the end of the game's table is written only when the user says Yes.
bool MayWriteSelectedItem() {
  const int selected = SelectedEntry(controls.itemList);
  if (selected < 0) return true;
  const std::uint8_t itemNumber = gameTables.itemTable[selected].itemNumber;
  return ItemLiesOn(itemNumber) == LiesOn::GameTable || ConfirmOverwrite(ItemOverwriteQuestion(itemNumber));
}

// Applies the item selected in the list (nothing when none is), then refills the list and
// shows the item at its new place.
bool ApplySelectedItem() {
  const int selected = SelectedEntry(controls.itemList);
  if (selected < 0) return true;
  const ItemApplyResult result = ApplyItem(romSession.romFile, gameTables.itemTable,
                                           static_cast<std::size_t>(selected), ReadItemBoxes(controls),
                                           listOrders.itemListOrder);
  FillItemList(controls.itemList, gameTables.itemTable);
  SelectAndShow(result.position);
  return result.written;
}

std::string RefuseItemBoxes() {
  return ItemBoxesProblem(ReadItemBoxes(controls));
}

// An undo or redo of another table leaves the item order as it was, so the item at the
// selected place is the one shown before.
void ShowChangedItem(std::uint32_t offset) {
  int position = PositionHolding(gameTables.itemTable, offset, kItemRecordSize);
  if (position == kNoSelection) position = SelectedEntry(controls.itemList);
  FillItemList(controls.itemList, gameTables.itemTable);
  if (position == kNoSelection) return;
  SelectAndShow(static_cast<std::size_t>(position));
  ItemSelection = position;
}

bool ChooseItem(int id, int code) {
  if (id != kItemListId || code != CBN_SELENDOK) return false;
  const int selected = SelectedEntry(controls.itemList);
  if (selected < 0) return true;
  ShowItem(static_cast<std::size_t>(selected));
  ItemSelection = selected;
  return true;
}

// Re-sorts the table, refills the list, checks the order in the View menu and shows the
// same item at its new place.
void ChangeItemListOrder(ListOrder order) {
  platform->PlaySound(SoundId::ListOrderChanged);
  listOrders.itemListOrder = order;
  const int selected = SelectedEntry(controls.itemList);
  const int itemNumber = selected < 0 ? -1 : gameTables.itemTable[selected].itemNumber;
  SortItems(gameTables.itemTable, order);
  FillItemList(controls.itemList, gameTables.itemTable);
  RewriteItemViewMenu(order);
  if (itemNumber < 0) return;
  SelectAndShow(static_cast<std::size_t>(ItemPosition(gameTables.itemTable, itemNumber)));
}

void FindItem() {
  if (!AskSearchText(IDD_ITEM_SEARCH)) return;
  WalkSearchMatches(FindItems(gameTables.itemTable, SearchText), "Continue Search?", SelectAndShow);
}

// F3: the next match of the last search after the shown item; without one, a new search.
void FindNextItem() {
  if (SearchText.empty()) {
    FindItem();
    return;
  }
  ShowNextMatch(FindItems(gameTables.itemTable, SearchText), SelectedEntry(controls.itemList), SelectAndShow);
}

std::string ItemName(int entry) {
  const std::string name = entry < 0 ? "" : GameText(gameTables.itemTable[entry].name, kNameFieldLength);
  return name.empty() ? "this item" : name;
}

std::string ItemStepName(int entry) {
  if (entry < 0) return ItemName(entry);
  const ItemRecord& item = gameTables.itemTable[entry];
  return StepRecordText("Item", item.name, item.itemNumber);
}

void DumpItemTable() {
  std::string path = textPathBuffer;
  if (!ChooseOutputFile(FileDialog::Text, path)) return;
  if (!WriteItemDump(gameTables.itemTable, path)) ShowWarning(*platform, DumpFailedMessage(path));
}

void CreateControls(const EditorFrame& frame) {
  controls = CreateItemEditorControls(frame);
}

EditorDefinition Define() {
  EditorDefinition editor;
  editor.layout = {"Item Editing",
                   6,
                   &itemEditorMenu,
                   590,
                   EditorToolBar::ListEditor,
                   {"Find Item Name", "List By Type"},
                   {{"Stats", 6}},
                   "Item Stats:"};
  editor.createControls = CreateControls;
  editor.show = ShowRememberedItem;
  editor.refusal = RefuseItemBoxes;
  editor.mayWrite = MayWriteSelectedItem;
  editor.apply = ApplySelectedItem;
  editor.showChanged = ShowChangedItem;
  editor.find = FindItem;
  editor.findNext = FindNextItem;
  editor.changeListOrder = ChangeItemListOrder;
  editor.dumpToText = DumpItemTable;
  editor.csvTable = ItemTableFields;
  editor.recordLists = {kItemListId};
  editor.recordName = ItemName;
  editor.stepName = ItemStepName;
  editor.onCommand = ChooseItem;
  return editor;
}

}  // namespace

const EditorDefinition& ItemEditor() {
  static const EditorDefinition editor = Define();
  return editor;
}
