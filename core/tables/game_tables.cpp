#include "core/tables/game_tables.h"

void LoadGameTables(std::FILE*, const ListOrders&, GameTables&) {}
