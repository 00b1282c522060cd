#include "win32/editors/editor_list.h"

#include "win32/editors/enemy_editor_window.h"
#include "win32/editors/item_editor_window.h"
#include "win32/editors/misc_text_editor_window.h"
#include "win32/editors/psi_name_editor_window.h"
#include "win32/editors/teleport_editor_window.h"

const EditorDefinition* EditorTitled(const std::string& title) {
  for (const EditorDefinition* editor :
       {&EnemyEditor(), &ItemEditor(), &PsiNameEditor(), &TeleportEditor(), &MiscTextEditor()}) {
    if (title == editor->layout.title) return editor;
  }
  return nullptr;
}
