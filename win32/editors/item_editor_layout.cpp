#include "win32/editors/item_editor_layout.h"

#include "win32/app/app_state.h"
#include "win32/editors/control_values.h"
#include "win32/editors/item_editor_window.h"

namespace {

constexpr int kLabelX = 5;
constexpr int kLabelWidth = 90;
constexpr int kRowHeight = 19;

void Label(HWND parent, const char* text, int y) {
  UseEditorFont(CreateLabel(parent, text, kLabelX, y, kLabelWidth, kRowHeight));
}

// A number box at x 100 and its label on the same row.
HWND NumberBox(HWND parent, const char* label, int y, int id) {
  HWND box = UseEditorFontAndLook(CreateEditBox(parent, 100, y, 100, kRowHeight, id));
  Label(parent, label, y);
  return box;
}

// A control that editor_controls.h has no maker for, with the font and the 3-D look.
HWND StyledChild(const char* className, const char* text, DWORD style, HWND parent, int x, int y, int width,
                 int height, int id) {
  return UseEditorFontAndLook(CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), programInstance, nullptr));
}

HWND CheckBox(HWND parent, const char* text, int y, int id) {
  return StyledChild("BUTTON", text, BS_AUTOCHECKBOX, parent, kLabelX, y, kLabelWidth, kRowHeight, id);
}

// Each edit and check box with the box it shows and is read into; the effect list is the
// one drop-down list.
struct TextField {
  HWND ItemEditorControls::*control;
  std::string ItemBoxes::*box;
};

#define ITEM_TEXT_FIELD(field) {&ItemEditorControls::field, &ItemBoxes::field}
const TextField kTextFields[] = {
    ITEM_TEXT_FIELD(name),     ITEM_TEXT_FIELD(nameNote),   ITEM_TEXT_FIELD(type),
    ITEM_TEXT_FIELD(cost),     ITEM_TEXT_FIELD(strength),   ITEM_TEXT_FIELD(epIncrease),
    ITEM_TEXT_FIELD(extraPower), ITEM_TEXT_FIELD(specialProperty), ITEM_TEXT_FIELD(descAddress),
};
#undef ITEM_TEXT_FIELD

struct CheckField {
  HWND ItemEditorControls::*control;
  bool ItemChecks::*box;
};

#define ITEM_CHECK_FIELD(field) {&ItemEditorControls::field, &ItemChecks::field}
const CheckField kCheckFields[] = {
    ITEM_CHECK_FIELD(infiniteUse), ITEM_CHECK_FIELD(permanent), ITEM_CHECK_FIELD(chicken),
    ITEM_CHECK_FIELD(poo),         ITEM_CHECK_FIELD(jeff),      ITEM_CHECK_FIELD(paula),
    ITEM_CHECK_FIELD(ness),
};
#undef ITEM_CHECK_FIELD

}  // namespace

ItemEditorControls CreateItemEditorControls(const EditorFrame& frame) {
  ItemEditorControls c{};
  c.itemList = UseEditorFontAndLook(CreateDropDownList(frame.window, 104, 89, 250, 150, kItemListId));
  HWND stats = frame.groupBox;
  Label(stats, "Item:", 17);
  c.name = UseEditorFontAndLook(CreateEditBox(stats, 100, 45, 200, 20, kItemNameBoxId));
  Label(stats, "Name:", 46);
  c.nameNote = CreateLabel(stats, "", 305, 47, 90, kRowHeight, kItemNameNoteId);
  UseEditorFont(c.nameNote);
  // As wide as the enemy editor's action lists, which hold the same names.
  c.effect = StyledChild("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, stats, 99, 66, 195, 150,
                         kItemEffectListId);
  Label(stats, "Effect:", 66);
  c.cost = NumberBox(stats, "Cost:", 90, kItemCostBoxId);
  c.type = NumberBox(stats, "Type:", 111, kItemTypeBoxId);
  c.strength = NumberBox(stats, "Strength:", 132, kItemStrengthBoxId);
  c.extraPower = NumberBox(stats, "Extra Power:", 153, kItemExtraPowerBoxId);
  c.epIncrease = NumberBox(stats, "E.P. Increase:", 174, kItemEpIncreaseBoxId);
  c.specialProperty = NumberBox(stats, "Special prop.:", 195, kItemSpecialPropertyBoxId);
  c.descAddress = NumberBox(stats, "Desc. address:", 216, kItemDescAddressBoxId);

  HWND options = UseEditorFontAndLook(CreateGroupBox(stats, "Misc. options", 395, 110, 100, 90));
  c.infiniteUse = CheckBox(options, "Infinite Use", 20, kItemInfiniteUseId);
  c.permanent = CheckBox(options, "Permanent", 40, kItemPermanentId);
  c.chicken = CheckBox(options, "Chicken", 60, kItemChickenId);
  HWND users = UseEditorFontAndLook(CreateGroupBox(stats, "Who can use?", 280, 110, 100, 110));
  c.ness = CheckBox(users, "Ness", 20, kItemNessId);
  c.paula = CheckBox(users, "Paula", 40, kItemPaulaId);
  c.jeff = CheckBox(users, "Jeff", 60, kItemJeffId);
  c.poo = CheckBox(users, "Poo", 80, kItemPooId);
  return c;
}

void ShowItemBoxes(const ItemEditorControls& c, const ItemBoxes& boxes, const ItemRecord& item) {
  for (const TextField& field : kTextFields) ShowControlText(c.*field.control, boxes.*field.box);
  SelectEntryOfStored(c.effect, boxes.effect, item.effect);
  for (const CheckField& field : kCheckFields) ShowCheck(c.*field.control, boxes.checks.*field.box);
}

ItemBoxes ReadItemBoxes(const ItemEditorControls& c) {
  ItemBoxes boxes;
  for (const TextField& field : kTextFields) boxes.*field.box = ReadControlText(c.*field.control);
  boxes.effect = SelectedEntry(c.effect);
  for (const CheckField& field : kCheckFields) boxes.checks.*field.box = IsChecked(c.*field.control);
  return boxes;
}
