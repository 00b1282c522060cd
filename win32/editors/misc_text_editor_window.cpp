#include "win32/editors/misc_text_editor_window.h"

#include "core/tables/table_position.h"
#include "core/text/misc_text_form.h"
#include "win32/app/app_state.h"
#include "win32/editors/control_values.h"
#include "win32/editors/list_fills.h"
#include "win32/editors/unapplied_edits.h"

namespace {

struct MiscTextControls {
  HWND phoneList;
  HWND phoneName;
  HWND phonePointer;
  HWND ailmentList;
  HWND ailmentName;
  HWND battleMenuList;
  HWND battleMenuEntry;
};

MiscTextControls controls;

MiscTextTables Tables() {
  return {gameTables.phoneListTable, gameTables.ailmentNameTable, gameTables.battleMenuTable};
}

void CreateInnerGroupBox(const EditorFrame& frame, const char* label, int y, int height) {
  UseEditorFont(CreateGroupBox(frame.tabControl, label, 75, y, 475, height));
}

HWND CreateEntryList(const EditorFrame& frame, int y, int id) {
  return UseEditorFontAndLook(CreateDropDownList(frame.window, 94, y, 210, 150, id));
}

HWND CreateEntryBox(const EditorFrame& frame, int y, int id) {
  return UseEditorFontAndLook(CreateEditBox(frame.window, 320, y, 160, 20, id));
}

void CreateMiscTextControls(const EditorFrame& frame) {
  CreateInnerGroupBox(frame, "Phone List:", 55, 90);
  controls.phoneList = CreateEntryList(frame, 114, kPhoneListId);
  controls.phoneName = CreateEntryBox(frame, 115, kPhoneNameBoxId);
  UseEditorFont(CreateLabel(frame.window, "Pointer:", 200, 141, 90, 19));
  controls.phonePointer = CreateEntryBox(frame, 141, kPhonePointerBoxId);
  CreateInnerGroupBox(frame, "Ailment Names:", 150, 65);
  controls.ailmentList = CreateEntryList(frame, 209, kAilmentListId);
  controls.ailmentName = CreateEntryBox(frame, 210, kAilmentBoxId);
  CreateInnerGroupBox(frame, "Battle Menu:", 220, 65);
  controls.battleMenuList = CreateEntryList(frame, 279, kBattleMenuListId);
  controls.battleMenuEntry = CreateEntryBox(frame, 280, kBattleMenuBoxId);
}

void FillMiscTextLists() {
  FillList(controls.phoneList, PhoneListEntries(gameTables.phoneListTable));
  const AilmentNameTable& ailments = gameTables.ailmentNameTable;
  const BattleMenuTable& battleMenu = gameTables.battleMenuTable;
  FillList(controls.ailmentList, ShortTextEntries(ailments.data(), ailments.size()));
  FillList(controls.battleMenuList, ShortTextEntries(battleMenu.data(), battleMenu.size()));
}

MiscTextSelection SelectedEntries() {
  return {SelectedEntry(controls.phoneList), SelectedEntry(controls.ailmentList),
          SelectedEntry(controls.battleMenuList)};
}

void SelectEntries(const MiscTextSelection& selected) {
  SelectEntry(controls.phoneList, selected.phone);
  SelectEntry(controls.ailmentList, selected.ailment);
  SelectEntry(controls.battleMenuList, selected.battleMenu);
}

void ShowMiscText() {
  const MiscTextBoxes boxes = MiscTextBoxTexts(Tables(), SelectedEntries());
  ShowControlText(controls.phoneName, boxes.phoneName);
  ShowControlText(controls.phonePointer, boxes.phonePointer);
  ShowControlText(controls.ailmentName, boxes.ailmentName);
  ShowControlText(controls.battleMenuEntry, boxes.battleMenuEntry);
}

// Refilled so that changed texts appear in the lists.
void ShowEntries(const MiscTextSelection& selected) {
  FillMiscTextLists();
  SelectEntries(selected);
  ShowMiscText();
}

void ShowFirstEntries() {
  ShowEntries({0, 0, 0});
}

void SelectHolding(int& selection, int position) {
  if (position != kNoSelection) selection = position;
}

void ShowChangedEntry(std::uint32_t offset) {
  MiscTextSelection selected = SelectedEntries();
  SelectHolding(selected.phone, PositionHolding(gameTables.phoneListTable, offset, kPhoneEntrySize));
  SelectHolding(selected.ailment, PositionHolding(gameTables.ailmentNameTable, offset, kShortTextFieldLength));
  SelectHolding(selected.battleMenu, PositionHolding(gameTables.battleMenuTable, offset, kShortTextFieldLength));
  ShowEntries(selected);
}

MiscTextBoxes TypedBoxes() {
  return {ReadControlText(controls.phoneName), ReadControlText(controls.phonePointer),
          ReadControlText(controls.ailmentName), ReadControlText(controls.battleMenuEntry)};
}

std::string RefuseMiscText() {
  return MiscTextBoxesProblem(TypedBoxes());
}

bool ApplyMiscText() {
  const MiscTextSelection selected = SelectedEntries();
  const bool written = ApplyMiscTextBoxes(romSession.romFile, Tables(), selected, TypedBoxes());
  ShowEntries(selected);
  return written;
}

bool ShowChosenEntry(int id, int code) {
  if (code != CBN_SELENDOK) return false;
  if (id != kPhoneListId && id != kAilmentListId && id != kBattleMenuListId) return false;
  ShowMiscText();
  return true;
}

bool HoldsTyping(std::initializer_list<HWND> boxes) {
  for (HWND box : boxes) {
    if (HasUnappliedEditIn(OpenEditorFrame().window, box)) return true;
  }
  return false;
}

// The groups that hold typing, as the question names them: "the phone list", "the phone
// list and the battle menu".
std::string MiscTextName(int) {
  std::vector<std::string> groups;
  if (HoldsTyping({controls.phoneName, controls.phonePointer})) groups.push_back("the phone list");
  if (HoldsTyping({controls.ailmentName})) groups.push_back("the ailment names");
  if (HoldsTyping({controls.battleMenuEntry})) groups.push_back("the battle menu");
  if (groups.empty()) return "the misc. text";
  std::string name = groups.front();
  for (std::size_t i = 1; i < groups.size(); ++i) name += (i + 1 == groups.size() ? " and " : ", ") + groups[i];
  return name;
}

EditorDefinition Define() {
  EditorDefinition editor;
  editor.layout = {"Misc. Text Editing", 13, &textEditorMenu, 590, EditorToolBar::TextEditor, {},
                   {{"Misc. Text", 11}}, "Misc. Text:"};
  editor.createControls = CreateMiscTextControls;
  editor.show = ShowFirstEntries;
  editor.refusal = RefuseMiscText;
  editor.apply = ApplyMiscText;
  editor.recordLists = {kPhoneListId, kAilmentListId, kBattleMenuListId};
  editor.recordName = MiscTextName;
  editor.showChanged = ShowChangedEntry;
  editor.onCommand = ShowChosenEntry;
  return editor;
}

}  // namespace

const EditorDefinition& MiscTextEditor() {
  static const EditorDefinition editor = Define();
  return editor;
}
