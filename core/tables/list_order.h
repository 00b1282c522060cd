#pragma once

// How an editor lists its table. The second order is each table's own: the game's order for
// enemies, the type for items.
enum class ListOrder {
  ByName,
  ByGameOrder,
  ByType = ByGameOrder,
  Original,
};

struct ListOrders {
  ListOrder enemyListOrder = ListOrder::ByName;
  ListOrder itemListOrder = ListOrder::ByName;
};
