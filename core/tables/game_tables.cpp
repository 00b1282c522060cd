#include "core/tables/game_tables.h"

#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_table.h"
#include "core/item/item_order.h"

void LoadGameTables(std::FILE* romFile, const ListOrders& orders, GameTables& tables) {
  LoadEnemyTable(romFile, tables.enemyTable);
  SortEnemies(tables.enemyTable, orders.enemyListOrder);
  LoadItemTable(romFile, tables.itemTable);
  SortItems(tables.itemTable, orders.itemListOrder);
  LoadPsiNames(romFile, tables.psiNameTable);
  LoadTeleports(romFile, tables.teleportTable);
  LoadPhoneList(romFile, tables.phoneListTable);
  LoadAilmentNames(romFile, tables.ailmentNameTable);
  LoadBattleMenu(romFile, tables.battleMenuTable);
}
