#include "win32/editors/teleport_editor_window.h"

#include <commctrl.h>

#include "core/tables/overlapping_entries.h"
#include "core/text/teleport_form.h"
#include "win32/app/app_state.h"
#include "win32/editors/control_values.h"
#include "win32/editors/overwrite_question.h"

namespace {

struct TeleportRowBoxes {
  HWND name;
  HWND x;
  HWND y;
};

TeleportRowBoxes rows[kTeleportCount];

HWND CreateGridBox(HWND window, int x, int row, int width, int id) {
  HWND box = CreateEditBox(window, x, 112 + 19 * row, width, 20, id + row);
  UseEditorFont(box);
  return box;
}

void CreateTeleportControls(const EditorFrame& frame) {
  UseEditorFont(CreateColumnHeader(frame.window, 55, 95, 326, 18, {{"Title", 176}, {"X", 75}, {"Y", 75}}));
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    const int row = static_cast<int>(i);
    rows[i] = {CreateGridBox(frame.window, 55, row, 176, kTeleportNameBoxId),
               CreateGridBox(frame.window, 230, row, 76, kTeleportXBoxId),
               CreateGridBox(frame.window, 305, row, 76, kTeleportYBoxId)};
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

TeleportTexts TypedTeleports() {
  TeleportTexts typed;
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    typed[i] = {ReadControlText(rows[i].name), ReadControlText(rows[i].x), ReadControlText(rows[i].y)};
  }
  return typed;
}

std::string RefuseTeleports() {
  return TeleportTextsProblem(TypedTeleports());
}

// A changed last row lies past the game's table: it is written only when the user says Yes.
bool MayWriteTeleports() {
  return !TeleportApplyWritesPastTable(gameTables.teleportTable, TypedTeleports()) ||
         ConfirmOverwrite(kTeleportOverwriteQuestion);
}

bool ApplyTeleports() {
  const bool written = ApplyTeleportTexts(romSession.romFile, gameTables.teleportTable, TypedTeleports());
  ShowTeleports();
  return written;
}

// The columns stay over their boxes, so the header refuses to be dragged.
bool RefuseHeaderTracking(const NMHDR& header, LRESULT& answer) {
  if (header.code != HDN_BEGINTRACKA && header.code != HDN_BEGINTRACKW) return false;
  answer = TRUE;
  return true;
}

std::string TeleportsName(int) {
  return "the teleports";
}

EditorDefinition Define() {
  EditorDefinition editor;
  editor.layout = {"Teleport Editing", 10, &textEditorMenu, 590, EditorToolBar::TextEditor, {}, {{"Teleport", 9}},
                   "Teleports:"};
  editor.createControls = CreateTeleportControls;
  editor.show = ShowTeleports;
  editor.refusal = RefuseTeleports;
  editor.mayWrite = MayWriteTeleports;
  editor.apply = ApplyTeleports;
  editor.recordName = TeleportsName;
  editor.onNotify = RefuseHeaderTracking;
  return editor;
}

}  // namespace

const EditorDefinition& TeleportEditor() {
  static const EditorDefinition editor = Define();
  return editor;
}
