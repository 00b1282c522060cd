#pragma once

#include <windows.h>

#include <cstddef>

#include "core/enemy/apply_enemy.h"
#include "core/enemy/enemy_view.h"
#include "win32/editors/enemy_editor_layout.h"

// Fills every field control from the enemy at that position of the enemy table
// (ShowEnemy); the enemy list itself is left as it is.
void ShowEnemy(const EnemyEditorControls& controls, std::size_t position);

// Fills an argument box with its list and selects the entry, or clears it.
void ShowArgument(HWND box, const ArgumentView& view);

// The controls as an apply reads them.
EnemyForm ReadEnemyForm(const EnemyEditorControls& controls);
