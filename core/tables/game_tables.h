#pragma once

#include <cstdio>

#include "core/enemy/enemy_record.h"
#include "core/tables/list_order.h"

// Every table the editors show, refilled on each load and left as it is by Close ROM.
struct GameTables {
  EnemyTable enemyTable;
};

// Reads the tables in their fixed order and puts the enemy and item tables into the
// current list orders.
void LoadGameTables(std::FILE* romFile, const ListOrders& orders, GameTables& tables);
