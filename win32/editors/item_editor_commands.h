#pragma once

#include "core/tables/list_order.h"
#include "win32/editors/item_editor_controls.h"

// The item editor's own commands. None changes the remembered ItemSelection.

// Puts the item at the list position into the controls.
void ShowItem(const ItemEditorControls& controls, std::size_t position);
// Applies the item selected in the item list (nothing when none is), then refills the list
// and shows the item at its new place; a failed write shows a "Warning" box.
void ApplySelectedItem(const ItemEditorControls& controls);
// Re-sorts the table, refills the list, checks the order in the View menu and shows the
// same item at its new place.
void ChangeItemListOrder(const ItemEditorControls& controls, ListOrder order);
// The search dialog, then each match in turn.
void FindItem(const ItemEditorControls& controls);
// The table as a text file the user names; a failed write shows a "Warning" box.
void DumpItemTable();
