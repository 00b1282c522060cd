#pragma once

// The list-order command IDs double as the order codes: 16 by name, 17 by game order
// (enemies) or by type (items), 18 in original ROM order.
enum class ListOrder : int {
  ByName = 16,
  ByGameOrder = 17,
  ByType = 17,
  Original = 18,
};

struct ListOrders {
  ListOrder enemyListOrder = ListOrder::ByName;
  ListOrder itemListOrder = ListOrder::ByName;
};
