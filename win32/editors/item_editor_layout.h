#pragma once

#include <windows.h>

#include "core/item/item_boxes.h"
#include "core/item/item_table.h"
#include "win32/editors/editor_frame.h"

// The item editor's controls: where each stands, and which box of ItemBoxes it shows.
struct ItemEditorControls {
  HWND itemList;
  HWND name, nameNote, effect, cost, type, strength, extraPower, epIncrease, specialProperty, descAddress;
  HWND infiniteUse, permanent, chicken, ness, paula, jeff, poo;
};

// The item list and everything in the frame's group box, in the editor's order of
// creation, each with the control font (all but the labels also with the 3-D look).
ItemEditorControls CreateItemEditorControls(const EditorFrame& frame);

// Every control shows its box; the item list is left as it is.
// item gives the stored effect that the effect list without its entry shows as "(other: N)".
void ShowItemBoxes(const ItemEditorControls& controls, const ItemBoxes& boxes, const ItemRecord& item);
// The boxes as the controls hold them now.
ItemBoxes ReadItemBoxes(const ItemEditorControls& controls);
