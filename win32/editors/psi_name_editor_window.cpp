#include "win32/editors/psi_name_editor_window.h"

#include "core/text/psi_name_form.h"
#include "win32/app/app_state.h"
#include "win32/editors/apply_report.h"
#include "win32/editors/control_text.h"
#include "win32/editors/editor_frame.h"

namespace {

EditorFrame frame;
HWND nameBoxes[kPsiNameCount];

EditorFrameLayout PsiNameEditorLayout() {
  return {"PSI Name Editing", 8, psiEditorMenu, 590, EditorToolBar::TextEditor, {}, {{"Names", 8}}, "Names:"};
}

void CreatePsiNameControls() {
  UseEditorFont(CreateColumnHeader(frame.window, 105, 100, 399, 18, {{"PSI Name", 200}}));
  AddEditorGroupBox(frame);
  constexpr std::size_t kColumnLength = kPsiNameCount / 2;
  for (std::size_t i = 0; i < kPsiNameCount; ++i) {
    const int x = i < kColumnLength ? 100 : 299;
    const int y = 45 + 19 * static_cast<int>(i % kColumnLength);
    nameBoxes[i] = CreateEditBox(frame.groupBox, x, y, 200, 20, kPsiNameBoxId + static_cast<int>(i));
    UseEditorFont(nameBoxes[i]);
  }
}

void ShowPsiNames() {
  const PsiNameTexts texts = PsiNameBoxTexts(gameTables.psiNameTable);
  for (std::size_t i = 0; i < kPsiNameCount; ++i) ShowControlText(nameBoxes[i], texts[i]);
}

void ApplyPsiNames() {
  PsiNameTexts typed;
  for (std::size_t i = 0; i < kPsiNameCount; ++i) typed[i] = ReadControlText(nameBoxes[i]);
  const bool written = ApplyPsiNameTexts(romSession.romFile, gameTables.psiNameTable, typed);
  ShowPsiNames();
  ReportApplyResult(written);
}

}  // namespace

INT_PTR CALLBACK PsiNameEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    frame = BuildEditorFrame(window, PsiNameEditorLayout());
    CreatePsiNameControls();
    FinishEditorFrame(frame);
    ShowPsiNames();
    return TRUE;
  }
  INT_PTR result;
  if (HandleEditorFrameMessage(frame, message, wParam, lParam, result)) return result;
  if (IsApplyClick(frame, message, wParam, lParam)) {
    ApplyPsiNames();
    return TRUE;
  }
  return FALSE;
}
