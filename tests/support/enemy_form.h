#pragma once

#include "core/enemy/apply_enemy.h"
#include "core/enemy/enemy_view.h"

// The form a window would read back from controls that show view untouched.
EnemyForm EnemyFormOf(const EnemyView& view);
