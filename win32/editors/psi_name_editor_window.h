#pragma once

#include "win32/editors/editor_controls.h"
#include "win32/editors/editor_frame.h"

// The PSI name editor: sixteen name boxes in two columns.
const EditorDefinition& PsiNameEditor();

// Name box i (children of the frame's group box) has ID kPsiNameBoxId + i.
constexpr int kPsiNameBoxId = kFirstEditorControlId;
