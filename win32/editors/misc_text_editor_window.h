#pragma once

#include "win32/editors/editor_controls.h"
#include "win32/editors/editor_frame.h"

// The misc. text editor: the phone list with its pointers, the ailment names and the
// battle menu, each a drop-down list with boxes for its selection.
const EditorDefinition& MiscTextEditor();

// Its controls, all children of the window.
constexpr int kPhoneListId = kFirstEditorControlId;
constexpr int kPhoneNameBoxId = kFirstEditorControlId + 1;
constexpr int kPhonePointerBoxId = kFirstEditorControlId + 2;
constexpr int kAilmentListId = kFirstEditorControlId + 3;
constexpr int kAilmentBoxId = kFirstEditorControlId + 4;
constexpr int kBattleMenuListId = kFirstEditorControlId + 5;
constexpr int kBattleMenuBoxId = kFirstEditorControlId + 6;
