#pragma once

#include <cstddef>
#include <cstdint>

#include "core/enemy/enemy_boxes.h"
#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"
#include "core/tables/table_position.h"

// The boxes of one enemy as the enemy editor shows them.
EnemyBoxes ViewEnemy(const EnemyRecord& enemy, const EnemyTable& enemies, const ItemTable& items);

// An argument box for an action of the given kind holding the stored argument.
ArgumentBox ViewArgument(ActionArgumentKind kind, std::uint8_t argument, const EnemyTable& enemies,
                         const ItemTable& items);
// The same when the user has just chosen the action: an item argument that names no item
// starts on the item list's first entry.
ArgumentBox ViewArgumentOfChosenAction(ActionArgumentKind kind, std::uint8_t argument, const EnemyTable& enemies,
                                       const ItemTable& items);
