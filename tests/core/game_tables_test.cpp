#include <gtest/gtest.h>

#include "core/item/item_order.h"
#include "tests/support/table_fixture.h"

namespace {

TEST(LoadGameTables, ItemsArriveInTheCurrentItemListOrder) {
  FixtureImage image;
  PutItem(image, 0, {"Zzz", 2});
  PutItem(image, 1, {"yo-yo", 0});
  PutItem(image, 2, {"", 1});
  PutItem(image, 3, {"Yo-yo", 0});
  for (int n = 4; n < 256; ++n) PutItem(image, static_cast<std::uint8_t>(n), {"", 5});
  struct Case {
    ListOrder order;
    std::vector<int> firstItems;
  } cases[] = {
      {ListOrder::ByName, {2, 4, 5, 6}},  // the empty names of items 2 and 4 on come first
      {ListOrder::ByType, {1, 3, 2, 0}},
      {ListOrder::Original, {0, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    ListOrders orders;
    orders.itemListOrder = c.order;
    const ItemTable items = LoadTablesFrom(image, orders).itemTable;
    std::vector<int> first;
    for (std::size_t p = 0; p < c.firstItems.size(); ++p) first.push_back(items[p].itemNumber);
    EXPECT_EQ(first, c.firstItems) << static_cast<int>(c.order);
  }
}

}  // namespace
