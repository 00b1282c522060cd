#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/item/item_order.h"
#include "core/item/item_search.h"
#include "tests/support/table_fixture.h"

namespace {

std::vector<int> FirstItemNumbers(const ItemTable& items, std::size_t count) {
  std::vector<int> numbers;
  for (std::size_t p = 0; p < count; ++p) numbers.push_back(items[p].itemNumber);
  return numbers;
}

// Names that only a correct key puts in order: case ties, a prefix, punctuation between the
// capitals and the small letters, characters above 0x7F, and a 25-character name.
ItemTable TableWithTrickyNames() {
  ItemTable items = MakeItemTable();
  SetItemName(items[10], "banana");
  SetItemName(items[11], "BANANA");
  SetItemName(items[12], "Banan");
  SetItemName(items[13], "_under");
  SetItemName(items[14], "\xE9toile");
  SetItemName(items[15], "Zebra");
  SetItemName(items[16], "9 lives");
  SetItemName(items[17], std::string(25, 'B'));
  SetItemName(items[18], "");
  SetItemName(items[19], "\xC1" "b");
  return items;
}

TEST(SortItemsByName, OrdersByCapitalisedKeyThenItemNumber) {
  ItemTable items = TableWithTrickyNames();
  SortItemsByName(items);
  // "" < "9 lives" < "BANAN" < "BANANA"(10) = "BANANA"(11) < "BBB..." < "ITEM 000".. < "ZEBRA" < "_UNDER"
  // < "\xC1B" < "\xE9TOILE"
  const std::vector<int> order = FirstItemNumbers(items, kItemCount);
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 7), (std::vector<int>{18, 16, 12, 10, 11, 17, 0}));
  EXPECT_EQ(std::vector<int>(order.end() - 4, order.end()), (std::vector<int>{15, 13, 19, 14}));
}

TEST(SortItemsByName, ResultDoesNotDependOnTheOrderBefore) {
  ItemTable fromRomOrder = TableWithTrickyNames();
  ItemTable fromReversed = fromRomOrder;
  std::reverse(fromReversed.begin(), fromReversed.end());
  SortItemsByName(fromRomOrder);
  SortItemsByName(fromReversed);
  EXPECT_EQ(FirstItemNumbers(fromRomOrder, 256), FirstItemNumbers(fromReversed, 256));
}

TEST(SortItemsByType, OrdersByTypeThenKeyAndLeavesFullTiesWhereTheSelectionSortPutsThem) {
  ItemTable items = MakeItemTable();
  // Three type-0 items: 0 and 1 tie in type and key, 2 sorts before both. The first pass
  // exchanges 2 into place 0, which sends item 0 behind item 1; nothing breaks the tie back.
  SetItemName(items[0], "egg");
  SetItemName(items[1], "EGG");
  SetItemName(items[2], "ant");
  items[0].type = items[1].type = items[2].type = 0;
  items[200].type = 0;
  SetItemName(items[200], "Egg!");
  items[100].type = 255;
  SortItemsByType(items);
  EXPECT_EQ(FirstItemNumbers(items, 5), (std::vector<int>{2, 1, 0, 200, 3}));
  EXPECT_EQ(items[255].itemNumber, 100);
}

TEST(SortItemsByType, FullTiesFollowTheOrderBeforeTheSort) {
  ItemTable items = MakeItemTable();
  // Same type, the same 25-character name; nothing past the field may break the tie, so the
  // record met first stays first, whatever its item number.
  for (std::size_t p : {40, 41}) {
    items[p].type = 0;
    SetItemName(items[p], std::string(25, 'Q'));
  }
  ExchangeItemRecords(items[40], items[41]);
  SortItemsByType(items);
  EXPECT_EQ(FirstItemNumbers(items, 2), (std::vector<int>{41, 40}));
}

TEST(SortItemsByNumber, PutsItemNumberPAtPositionP) {
  ItemTable items = TableWithTrickyNames();
  SortItemsByName(items);
  SortItemsByNumber(items);
  for (std::size_t p = 0; p < kItemCount; ++p) {
    EXPECT_EQ(items[p].itemNumber, p);
    EXPECT_EQ(items[p].fileOffset, ItemOffset(static_cast<std::uint8_t>(p))) << "records move whole";
  }
  EXPECT_EQ(GameText(items[11].name, kNameFieldLength), "BANANA");
}

TEST(SortItems, FollowsTheListOrder) {
  struct Case {
    ListOrder order;
    int first;
  } cases[] = {{ListOrder::ByName, 18}, {ListOrder::ByType, 5}, {ListOrder::Original, 0}};
  for (const Case& c : cases) {
    ItemTable items = TableWithTrickyNames();
    items[5].type = 0;
    std::reverse(items.begin(), items.end());
    SortItems(items, c.order);
    EXPECT_EQ(items[0].itemNumber, c.first) << static_cast<int>(c.order);
  }
}

TEST(FindItems, FindsExactRunsOfBytesInsideTheNameOnly) {
  ItemTable items = TableWithTrickyNames();
  items[20].name[3] = '\0';  // "Ite" then the old tail, which a search must not see
  // Item 66 ('B') follows its 25-character name in memory; the name alone must be searched.
  SetItemName(items[66], std::string(25, 'Z'));
  struct Case {
    std::string text;
    std::vector<std::size_t> positions;
  } cases[] = {
      {"anan", {10, 12}},
      {"BANANA", {11}},
      {"banana!", {}},
      {"\xE9", {14}},
      {std::string(25, 'B'), {17}},
      {std::string(25, 'Z'), {66}},
      {std::string(25, 'Z') + "B", {}},
      {"m 020", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(FindItems(items, c.text), c.positions) << '"' << c.text << '"';
  EXPECT_EQ(FindItems(items, "Item").size(), 256u - 12u);
}

}  // namespace
