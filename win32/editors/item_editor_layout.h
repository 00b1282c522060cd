#pragma once

#include <windows.h>

#include "core/item/apply_item.h"
#include "core/item/item_view.h"
#include "win32/editors/editor_frame.h"

struct ItemEditorControls {
  HWND itemList;
  HWND name, effect, cost, type, strength, extraPower, epIncrease, specialProperty, descAddress;
  HWND infiniteUse, permanent, chicken, ness, paula, jeff, poo;
};

// The item list and everything in the frame's group box, in the editor's order of
// creation, each with the control font (all but the labels also with the 3-D look).
ItemEditorControls CreateItemEditorControls(const EditorFrame& frame);

void ShowItemView(const ItemEditorControls& controls, const ItemView& view);
ItemForm ReadItemForm(const ItemEditorControls& controls);
