#include "win32/editors/psi_name_editor_window.h"

#include "core/text/psi_name_form.h"
#include "win32/app/app_state.h"
#include "win32/editors/control_values.h"

namespace {

HWND nameBoxes[kPsiNameCount];

void CreatePsiNameControls(const EditorFrame& frame) {
  // The header ends a pixel above the first row, which starts at 117 in the window.
  UseEditorFont(CreateColumnHeader(frame.window, 105, 98, 399, 18, {{"PSI Name", 200}}));
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

bool ApplyPsiNames() {
  PsiNameTexts typed;
  for (std::size_t i = 0; i < kPsiNameCount; ++i) typed[i] = ReadControlText(nameBoxes[i]);
  const bool written = ApplyPsiNameTexts(romSession.romFile, gameTables.psiNameTable, typed);
  ShowPsiNames();
  return written;
}

std::string PsiNamesName(int) {
  return "the PSI names";
}

EditorDefinition Define() {
  EditorDefinition editor;
  editor.layout = {"PSI Name Editing", 8, &psiEditorMenu, 590, EditorToolBar::TextEditor, {}, {{"Names", 8}},
                   "Names:"};
  editor.createControls = CreatePsiNameControls;
  editor.show = ShowPsiNames;
  editor.apply = ApplyPsiNames;
  editor.recordName = PsiNamesName;
  return editor;
}

}  // namespace

const EditorDefinition& PsiNameEditor() {
  static const EditorDefinition editor = Define();
  return editor;
}
