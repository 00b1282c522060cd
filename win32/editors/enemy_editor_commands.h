#pragma once

#include "core/tables/list_order.h"
#include "win32/editors/enemy_editor_controls.h"

// The enemy editor's own commands. None changes the remembered EnemySelection.

// Applies the enemy selected in the enemy list (nothing when none is), then refills the
// list and shows the enemy at its new place; a failed write shows a "Warning" box.
void ApplySelectedEnemy(const EnemyEditorControls& controls);
// Re-sorts the table, refills the list, checks the order in the View menu and shows the
// same enemy at its new place.
void ChangeEnemyListOrder(const EnemyEditorControls& controls, ListOrder order);
// The search dialog, then each match in turn.
void FindEnemy(const EnemyEditorControls& controls);
// The table as a text file the user names; a failed write shows a "Warning" box.
void DumpEnemyTable();
