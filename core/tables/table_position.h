#pragma once

#include <cstdint>

#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"

// A list shows no entry for a stored value outside it.
constexpr int kNoSelection = -1;

// Position in the table (and so in its list) of an enemy or item number, or kNoSelection.
int EnemyPosition(const EnemyTable& enemies, std::uint32_t enemyNumber);
int ItemPosition(const ItemTable& items, std::uint32_t itemNumber);
