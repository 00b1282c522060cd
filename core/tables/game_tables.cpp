#include "core/tables/game_tables.h"

#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_table.h"

void LoadGameTables(std::FILE* romFile, const ListOrders& orders, GameTables& tables) {
  LoadEnemyTable(romFile, tables.enemyTable);
  SortEnemies(tables.enemyTable, orders.enemyListOrder);
}
