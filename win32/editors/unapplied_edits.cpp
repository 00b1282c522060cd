#include "win32/editors/unapplied_edits.h"

#include <algorithm>

#include "win32/app/app_state.h"
#include "win32/editors/control_values.h"
#include "win32/editors/shown_controls.h"

namespace {

struct ShownRecord {
  std::vector<HWND> recordLists;
  std::vector<int> shownEntries;
  ControlStates controls;
};

ShownRecord shown;

}  // namespace

void RememberShownRecord(HWND editor, const std::vector<HWND>& recordLists) {
  shown.recordLists = recordLists;
  shown.shownEntries.clear();
  for (HWND list : recordLists) {
    shown.shownEntries.push_back(SelectedEntry(list));
  }
  shown.controls = ReadControlStates(editor, recordLists);
}

bool HasUnappliedEdits(HWND editor) {
  return ReadControlStates(editor, shown.recordLists) != shown.controls;
}

bool HasUnappliedEditIn(HWND editor, HWND control) {
  const auto isControl = [control](const ControlState& state) { return state.control == control; };
  const ControlStates now = ReadControlStates(editor, shown.recordLists);
  const auto current = std::find_if(now.begin(), now.end(), isControl);
  const auto remembered = std::find_if(shown.controls.begin(), shown.controls.end(), isControl);
  if (current == now.end() || remembered == shown.controls.end()) return false;
  return current->value != remembered->value;
}

int ShownEntryOf(HWND recordList) {
  const auto at = std::find(shown.recordLists.begin(), shown.recordLists.end(), recordList);
  if (at == shown.recordLists.end()) return -1;
  return shown.shownEntries[static_cast<std::size_t>(at - shown.recordLists.begin())];
}

EditsDecision AskToApplyEdits(const std::string& recordName) {
  const MessageAnswer answer = platform->ShowMessage("Apply your changes to " + recordName + " first?", "Quillon",
                                                     MessageKind::YesNoCancelQuestion, TextEncoding::Ansi);
  if (answer == MessageAnswer::Yes) return EditsDecision::Apply;
  if (answer == MessageAnswer::No) return EditsDecision::Drop;
  return EditsDecision::Stay;
}
