#pragma once

#include "win32/editors/editor_controls.h"
#include "win32/editors/editor_frame.h"

// The item editor: the item list, the stats of the item chosen, its effect and who owns it.
const EditorDefinition& ItemEditor();

// Its controls. The item list is a child of the window; the boxes and the effect list sit in
// the frame's group box, the check boxes in the "Misc. options" and "Who can use?" boxes.
constexpr int kItemListId = kFirstEditorControlId;
constexpr int kItemNameBoxId = kFirstEditorControlId + 1;
constexpr int kItemEffectListId = kFirstEditorControlId + 2;
constexpr int kItemCostBoxId = kFirstEditorControlId + 3;
constexpr int kItemTypeBoxId = kFirstEditorControlId + 4;
constexpr int kItemStrengthBoxId = kFirstEditorControlId + 5;
constexpr int kItemExtraPowerBoxId = kFirstEditorControlId + 6;
constexpr int kItemEpIncreaseBoxId = kFirstEditorControlId + 7;
constexpr int kItemSpecialPropertyBoxId = kFirstEditorControlId + 8;
constexpr int kItemDescAddressBoxId = kFirstEditorControlId + 9;
constexpr int kItemInfiniteUseId = kFirstEditorControlId + 10;
constexpr int kItemPermanentId = kFirstEditorControlId + 11;
constexpr int kItemChickenId = kFirstEditorControlId + 12;
constexpr int kItemNessId = kFirstEditorControlId + 13;
constexpr int kItemPaulaId = kFirstEditorControlId + 14;
constexpr int kItemJeffId = kFirstEditorControlId + 15;
constexpr int kItemPooId = kFirstEditorControlId + 16;
// Beside the name box: what an item past the end of the game's table lies on.
constexpr int kItemNameNoteId = kFirstEditorControlId + 17;
