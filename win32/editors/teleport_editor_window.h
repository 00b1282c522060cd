#pragma once

#include "win32/editors/editor_controls.h"
#include "win32/editors/editor_frame.h"

// The teleport editor: sixteen rows of name, X and Y boxes under a column header whose
// dividers cannot be dragged.
const EditorDefinition& TeleportEditor();

// The boxes of row i (children of the window) have these IDs plus i.
constexpr int kTeleportNameBoxId = kFirstEditorControlId;
constexpr int kTeleportXBoxId = kFirstEditorControlId + 20;
constexpr int kTeleportYBoxId = kFirstEditorControlId + 40;
