#include "win32/editors/teleport_editor_window.h"

#include <commctrl.h>

#include "core/text/teleport_form.h"
#include "win32/app/app_state.h"
#include "win32/editors/apply_report.h"
#include "win32/editors/control_text.h"
#include "win32/editors/editor_frame.h"

namespace {

struct TeleportRowBoxes {
  HWND name;
  HWND x;
  HWND y;
};

EditorFrame frame;
TeleportRowBoxes rows[kTeleportCount];

EditorFrameLayout TeleportEditorLayout() {
  return {"Teleport Editing", 10, textEditorMenu, 590, EditorToolBar::TextEditor,
          {}, {{"Teleport", 9}}, "Teleports:"};
}

HWND CreateGridBox(int x, int row, int width, int id) {
  HWND box = CreateEditBox(frame.window, x, 112 + 19 * row, width, 20, id + row);
  UseEditorFont(box);
  return box;
}

void CreateTeleportControls() {
  AddEditorGroupBox(frame);
  UseEditorFont(CreateColumnHeader(frame.window, 55, 95, 326, 18, {{"Title", 176}, {"X", 75}, {"Y", 75}}));
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    const int row = static_cast<int>(i);
    rows[i] = {CreateGridBox(55, row, 176, kTeleportNameBoxId), CreateGridBox(230, row, 76, kTeleportXBoxId),
               CreateGridBox(305, row, 76, kTeleportYBoxId)};
  }
}

void ShowTeleports() {
  const TeleportTexts texts = TeleportBoxTexts(gameTables.teleportTable);
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    ShowControlText(rows[i].name, texts[i].name);
    ShowControlText(rows[i].x, texts[i].x);
    ShowControlText(rows[i].y, texts[i].y);
  }
}

void ApplyTeleports() {
  TeleportTexts typed;
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    typed[i] = {ReadControlText(rows[i].name), ReadControlText(rows[i].x), ReadControlText(rows[i].y)};
  }
  const bool written = ApplyTeleportTexts(romSession.romFile, gameTables.teleportTable, typed);
  ShowTeleports();
  ReportApplyResult(written);
}

// The columns stay over their boxes, so the header refuses to be dragged.
bool IsHeaderTrackStart(UINT message, LPARAM lParam) {
  if (message != WM_NOTIFY) return false;
  const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
  return code == HDN_BEGINTRACKA || code == HDN_BEGINTRACKW;
}

}  // namespace

INT_PTR CALLBACK TeleportEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    frame = BuildEditorFrame(window, TeleportEditorLayout());
    CreateTeleportControls();
    FinishEditorFrame(frame);
    ShowTeleports();
    return TRUE;
  }
  INT_PTR result;
  if (HandleEditorFrameMessage(frame, message, wParam, lParam, result)) return result;
  if (IsHeaderTrackStart(message, lParam)) {
    SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
    return TRUE;
  }
  if (IsApplyClick(frame, message, wParam, lParam)) {
    ApplyTeleports();
    return TRUE;
  }
  return FALSE;
}
