#include "core/tables/game_tables.h"

#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_table.h"
#include "core/item/item_order.h"

void LoadGameTables(std::FILE* romFile, const RomLayout& layout, const ListOrders& orders, GameTables& tables) {
  LoadEnemyTable(romFile, layout, tables.enemyTable);
  SortEnemies(tables.enemyTable, orders.enemyListOrder);
  LoadItemTable(romFile, layout, tables.itemTable);
  SortItems(tables.itemTable, orders.itemListOrder);
  LoadPsiNames(romFile, layout, tables.psiNameTable);
  LoadTeleports(romFile, layout, tables.teleportTable);
  LoadPhoneList(romFile, layout, tables.phoneListTable);
  LoadAilmentNames(romFile, layout, tables.ailmentNameTable);
  LoadBattleMenu(romFile, layout, tables.battleMenuTable);
}
