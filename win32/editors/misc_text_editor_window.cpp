#include "win32/editors/misc_text_editor_window.h"

#include <string>
#include <vector>

#include "core/text/misc_text_form.h"
#include "win32/app/app_state.h"
#include "win32/editors/apply_report.h"
#include "win32/editors/control_text.h"
#include "win32/editors/editor_frame.h"

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

EditorFrame frame;
MiscTextControls controls;

EditorFrameLayout MiscTextEditorLayout() {
  return {"Misc. Text Editing", 13, textEditorMenu, 590, EditorToolBar::TextEditor,
          {}, {{"Misc. Text", 11}}, "Misc. Text:"};
}

MiscTextTables Tables() {
  return {gameTables.phoneListTable, gameTables.ailmentNameTable, gameTables.battleMenuTable};
}

void CreateInnerGroupBox(const char* label, int y, int height) {
  UseEditorFont(CreateGroupBox(frame.tabControl, label, 75, y, 475, height));
}

HWND CreateEntryList(int y, int id) {
  HWND list = CreateDropDownList(frame.window, 94, y, 210, 150, id);
  UseEditorFontAndLook(list);
  return list;
}

HWND CreateEntryBox(int y, int id) {
  HWND box = CreateEditBox(frame.window, 320, y, 160, 20, id);
  UseEditorFontAndLook(box);
  return box;
}

void CreateMiscTextControls() {
  AddEditorGroupBox(frame);
  CreateInnerGroupBox("Phone List:", 55, 90);
  controls.phoneList = CreateEntryList(114, kPhoneListId);
  controls.phoneName = CreateEntryBox(115, kPhoneNameBoxId);
  UseEditorFont(CreateLabel(frame.window, "Pointer:", 200, 141, 90, 19));
  controls.phonePointer = CreateEntryBox(141, kPhonePointerBoxId);
  CreateInnerGroupBox("Ailment Names:", 150, 65);
  controls.ailmentList = CreateEntryList(209, kAilmentListId);
  controls.ailmentName = CreateEntryBox(210, kAilmentBoxId);
  CreateInnerGroupBox("Battle Menu:", 220, 65);
  controls.battleMenuList = CreateEntryList(279, kBattleMenuListId);
  controls.battleMenuEntry = CreateEntryBox(280, kBattleMenuBoxId);
}

void FillList(HWND list, const std::vector<std::string>& entries) {
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void FillMiscTextLists() {
  FillList(controls.phoneList, PhoneListEntries(gameTables.phoneListTable));
  const AilmentNameTable& ailments = gameTables.ailmentNameTable;
  const BattleMenuTable& battleMenu = gameTables.battleMenuTable;
  FillList(controls.ailmentList, ShortTextEntries(ailments.data(), ailments.size()));
  FillList(controls.battleMenuList, ShortTextEntries(battleMenu.data(), battleMenu.size()));
}

MiscTextSelection SelectedEntries() {
  return {static_cast<int>(SendMessageA(controls.phoneList, CB_GETCURSEL, 0, 0)),
          static_cast<int>(SendMessageA(controls.ailmentList, CB_GETCURSEL, 0, 0)),
          static_cast<int>(SendMessageA(controls.battleMenuList, CB_GETCURSEL, 0, 0))};
}

void SelectEntries(const MiscTextSelection& selected) {
  SendMessageA(controls.phoneList, CB_SETCURSEL, selected.phone, 0);
  SendMessageA(controls.ailmentList, CB_SETCURSEL, selected.ailment, 0);
  SendMessageA(controls.battleMenuList, CB_SETCURSEL, selected.battleMenu, 0);
}

void ShowMiscText() {
  const MiscTextBoxes boxes = MiscTextBoxTexts(Tables(), SelectedEntries());
  ShowControlText(controls.phoneName, boxes.phoneName);
  ShowControlText(controls.phonePointer, boxes.phonePointer);
  ShowControlText(controls.ailmentName, boxes.ailmentName);
  ShowControlText(controls.battleMenuEntry, boxes.battleMenuEntry);
}

void ApplyMiscText() {
  const MiscTextSelection selected = SelectedEntries();
  const MiscTextBoxes typed = {ReadControlText(controls.phoneName), ReadControlText(controls.phonePointer),
                               ReadControlText(controls.ailmentName), ReadControlText(controls.battleMenuEntry)};
  const bool written = ApplyMiscTextBoxes(romSession.romFile, Tables(), selected, typed);
  // Refilled so that changed texts appear in the lists.
  FillMiscTextLists();
  SelectEntries(selected);
  ShowMiscText();
  ReportApplyResult(written);
}

bool IsListSelectionConfirmed(UINT message, WPARAM wParam) {
  if (message != WM_COMMAND || HIWORD(wParam) != CBN_SELENDOK) return false;
  const int id = LOWORD(wParam);
  return id == kPhoneListId || id == kAilmentListId || id == kBattleMenuListId;
}

}  // namespace

INT_PTR CALLBACK MiscTextEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    frame = BuildEditorFrame(window, MiscTextEditorLayout());
    CreateMiscTextControls();
    FinishEditorFrame(frame);
    FillMiscTextLists();
    SelectEntries({0, 0, 0});
    ShowMiscText();
    return TRUE;
  }
  INT_PTR result;
  if (HandleEditorFrameMessage(frame, message, wParam, lParam, result)) return result;
  if (IsListSelectionConfirmed(message, wParam)) {
    ShowMiscText();
    return TRUE;
  }
  if (IsApplyClick(frame, message, wParam, lParam)) {
    ApplyMiscText();
    return TRUE;
  }
  return FALSE;
}
