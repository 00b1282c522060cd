#include "win32/editors/editor_frame.h"

#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <optional>

#include "core/rom/apply_messages.h"
#include "core/rom/image_action.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/undo_apply.h"
#include "win32/changes/table_csv_commands.h"
#include "win32/editors/control_values.h"
#include "win32/editors/editor_keys.h"
#include "win32/editors/editor_list.h"
#include "win32/editors/unapplied_edits.h"
#include "win32/editors/view_menu.h"

namespace {

// One editor is open at a time, modal to the main window.
const EditorDefinition* definition = nullptr;
EditorFrame frame;
// The editor that opens next, after one that stepped back or forth over its action.
struct EditorToOpen {
  const EditorDefinition* editor;
  std::uint32_t offset;
  std::string line;  // beside Apply: "Undone at 12:00:00"
};
std::optional<EditorToOpen> editorToOpen;

std::vector<HWND> RecordLists() {
  std::vector<HWND> lists;
  for (int id : definition->recordLists) lists.push_back(GetDlgItem(frame.window, id));
  return lists;
}

void RememberWhatIsShown() {
  RememberShownRecord(frame.window, RecordLists());
}

void ShowWrittenLine(const std::string& text) {
  SetWindowTextA(frame.writtenLine, text.c_str());
}

// The default button applies only while the focus is outside the lists.
void KeepDefaultButtonOutOfLists() {
  const bool inList = IsListControl(GetFocus()) || IsListControl(GetParent(GetFocus()));
  SendMessageA(frame.window, DM_SETDEFID, inList ? kNoDefaultButtonId : kApplyButtonId, 0);
}

// After a key or a click: an edit clears the line of the last write.
void LookAtControlsAgain() {
  if (HasUnappliedEdits(frame.window)) ShowWrittenLine("");
  KeepDefaultButtonOutOfLists();
}

// After an undo or redo: the record holding the byte the step wrote.
void ShowChanged(std::uint32_t offset) {
  if (definition->showChanged) {
    definition->showChanged(offset);
  } else {
    definition->show();
  }
}

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
  const bool showsStep = editorToOpen && editorToOpen->editor == &opened;
  if (showsStep) ShowChanged(editorToOpen->offset);
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  RememberWhatIsShown();
  if (showsStep) {
    ShowWrittenLine(editorToOpen->line);
    editorToOpen.reset();
  }
  SendMessageA(window, DM_SETDEFID, kApplyButtonId, 0);
  StartEditorKeys(window);
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

std::string TimeOfDay() {
  const std::time_t now = std::time(nullptr);
  char text[16] = {};
  std::strftime(text, sizeof(text), "%H:%M:%S", std::localtime(&now));
  return text;
}

int ShownRecordEntry() {
  const std::vector<HWND> lists = RecordLists();
  return lists.empty() ? -1 : ShownEntryOf(lists.front());
}

std::string ShownRecordName() {
  return definition->recordName(ShownRecordEntry());
}

std::string ShownRecordStepName() {
  return (definition->stepName ? definition->stepName : definition->recordName)(ShownRecordEntry());
}

// True when every byte reached the image. A refused apply writes nothing and keeps the
// typing; after any write the editor shows what the image now holds.
bool Apply() {
  // Every way of closing the image closes the editor first; this keeps a stray apply from
  // writing (or backing up) anywhere.
  if (!romSession.romLoaded) return false;
  const std::string refusal = definition->refusal ? definition->refusal() : std::string();
  if (!refusal.empty()) {
    ShowWarning(*platform, refusal);
    return false;
  }
  if (definition->mayWrite && !definition->mayWrite()) return false;
  const GameTables before = gameTables;
  const ActionLabel label{"Apply to " + ShownRecordStepName(), definition->layout.title};
  const ActionOutcome outcome = RunImageAction(romSession, label, definition->apply);
  // A refused Apply (no backup, a read-only image, one changed behind the program's back)
  // wrote nothing: the tables are as they were, and the typing stays unapplied.
  if (outcome == ActionOutcome::Written || outcome == ActionOutcome::NotWritten) {
    RememberWhatIsShown();
  } else {
    gameTables = before;
  }
  const bool written = outcome == ActionOutcome::Written;
  ShowWrittenLine(written ? "Written to the image at " + TimeOfDay() : "");
  ReportActionOutcome(*platform, outcome, romSession.romPath);
  return written;
}



// Asks about unapplied edits before the shown record goes; false when the user stays.
bool MayLeaveShownRecord() {
  if (!HasUnappliedEdits(frame.window)) return true;
  switch (AskToApplyEdits(ShownRecordName())) {
    case EditsDecision::Apply:
      return Apply();
    case EditsDecision::Drop:
      return true;
    case EditsDecision::Stay:
      break;
  }
  return false;
}

// Once the editor has shown another record (or the same one anew).
void RememberAnotherShown() {
  RememberWhatIsShown();
  ShowWrittenLine("");
}

int EntryWithData(HWND list, LRESULT data) {
  const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
  for (int entry = 0; entry < count; ++entry) {
    if (SendMessageA(list, CB_GETITEMDATA, entry, 0) == data) return entry;
  }
  return -1;
}

// A pick in a record list. The list already shows the pick; staying puts the shown record
// back, and applying first finds the picked record again by its entry's data, since the
// apply may have re-sorted the list.
void PickRecord(HWND list, int id, int code) {
  const int shownEntry = ShownEntryOf(list);
  const int picked = SelectedEntry(list);
  if (picked == shownEntry) return;
  if (HasUnappliedEdits(frame.window)) {
    const EditsDecision decision = AskToApplyEdits(ShownRecordName());
    const LRESULT pickedData = SendMessageA(list, CB_GETITEMDATA, picked, 0);
    if (decision != EditsDecision::Drop) SelectEntry(list, shownEntry);
    if (decision == EditsDecision::Stay) return;
    if (decision == EditsDecision::Apply) {
      if (!Apply()) return;
      SelectEntry(list, EntryWithData(list, pickedData));
    }
  }
  if (definition->onCommand) definition->onCommand(id, code);
  RememberAnotherShown();
}

// After an undo or redo the editor that made the step shows the record it wrote, as the
// image now holds it, and says so beside Apply; a step of another editor opens that one in
// this one's place.
void StepAndShow(int command) {
  const std::string line = (command == kCmdUndoApply ? "Undone at " : "Redone at ") + TimeOfDay();
  const bool stepped = StepJournal(command, [&line](const JournalStep& step) {
    const EditorDefinition* maker = EditorTitled(step.label.editor);
    if (maker && maker != definition) {
      editorToOpen = EditorToOpen{maker, step.offset, line};
      return;
    }
    ShowChanged(step.offset);
  });
  if (!stepped) return;
  if (editorToOpen) {
    EndEditor();
    return;
  }
  RememberAnotherShown();
  ShowWrittenLine(line);
}

// After an import the editor shows its record as the image now holds it.
void ImportAndShow() {
  if (!MayLeaveShownRecord() || !ImportTableCsv(definition->csvTable())) return;
  definition->show();
  RememberAnotherShown();
}

// Find, Find Next and the list orders show another record or the same one anew.
bool ShowsAnotherRecord(int command) {
  switch (command) {
    case kCmdFind:
      return definition->find != nullptr;
    case kCmdFindNext:
      return definition->findNext != nullptr;
    case kCmdListByOriginalOrder:
    case kCmdListByName:
    case kCmdListByGameOrderOrType:
      return definition->changeListOrder != nullptr;
    default:
      return false;
  }
}

bool IsRecordList(int id) {
  return std::find(definition->recordLists.begin(), definition->recordLists.end(), id) !=
         definition->recordLists.end();
}

bool OnListEditorCommand(int command) {
  if (const std::optional<ListOrder> order = ListOrderOfCommand(command)) {
    if (!definition->changeListOrder) return false;
    definition->changeListOrder(*order);
    return true;
  }
  switch (command) {
    case kCmdFind:
      if (!definition->find) return false;
      definition->find();
      return true;
    case kCmdFindNext:
      if (!definition->findNext) return false;
      definition->findNext();
      return true;
    case kCmdDumpToText:
      if (!definition->dumpToText) return false;
      definition->dumpToText();
      return true;
    case kCmdExportCsv:
      if (!definition->csvTable) return false;
      ExportTableCsv(definition->csvTable());
      return true;
    case kCmdImportCsv:
      if (!definition->csvTable) return false;
      ImportAndShow();
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
  if (code == CBN_SELENDOK && IsRecordList(id)) {
    PickRecord(reinterpret_cast<HWND>(lParam), id, code);
    return true;
  }
  if (code != 0) return definition->onCommand && definition->onCommand(id, code);
  switch (id) {
    case kCmdEditorHelp:
      platform->OpenHelpFile();
      return true;
    case kCmdEditorCloseRom:
      if (MayLeaveShownRecord()) CloseRomFromEditor();
      return true;
    case IDCANCEL:  // Escape
      if (MayLeaveShownRecord()) EndEditor();
      return true;
    case kCmdUndoApply:
    case kCmdRedoApply:
      if (MayLeaveShownRecord()) StepAndShow(id);
      return true;
    default:
      break;
  }
  if (ShowsAnotherRecord(id)) {
    if (!MayLeaveShownRecord()) return true;
    OnListEditorCommand(id);
    RememberAnotherShown();
    return true;
  }
  if (OnListEditorCommand(id)) return true;
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

const EditorDefinition* EditorToOpenNext() {
  return editorToOpen ? editorToOpen->editor : nullptr;
}

bool CloseEditorsBeforeImageGoes() {
  if (!definition) return true;
  if (!MayLeaveShownRecord()) return false;
  EndEditor();
  return true;
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
      if (MayLeaveShownRecord()) EndEditor();
      return TRUE;
    case kEditorInputMessage:
      LookAtControlsAgain();
      return TRUE;
    case WM_NCDESTROY:
      StopEditorKeys();
      definition = nullptr;
      frame = {};
      return FALSE;
    case WM_COMMAND:
      return OnCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_INITMENUPOPUP:
      EnableUndoMenuItems(reinterpret_cast<HMENU>(wParam));
      return TRUE;
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
