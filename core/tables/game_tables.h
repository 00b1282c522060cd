#pragma once

#include <cstdio>

#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"
#include "core/tables/list_order.h"
#include "core/text/misc_text_tables.h"
#include "core/text/psi_name_table.h"
#include "core/text/teleport_table.h"

// Every table the editors show, refilled on each load and left as it is by Close ROM.
struct GameTables {
  EnemyTable enemyTable;
  ItemTable itemTable{};
  PsiNameTable psiNameTable{};
  TeleportTable teleportTable{};
  PhoneListTable phoneListTable{};
  AilmentNameTable ailmentNameTable{};
  BattleMenuTable battleMenuTable{};
};

// Reads the tables in their fixed order and puts the enemy and item tables into the
// current list orders.
void LoadGameTables(std::FILE* romFile, const RomLayout& layout, const ListOrders& orders, GameTables& tables);
