#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "core/enemy/enemy_order.h"
#include "tests/support/enemy_fixture.h"

namespace {

// The same table in three starting orders: a sort's result must not depend on them.
std::vector<EnemyTable> StartingOrders(const EnemyTable& table) {
  EnemyTable reversed = table;
  std::reverse(reversed.begin(), reversed.end());
  EnemyTable shuffled = table;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
  return {table, reversed, shuffled};
}

void ExpectRecordsIntact(const EnemyTable& table) {
  for (const EnemyRecord& record : table) {
    ASSERT_EQ(record.fileOffset, EnemyRecordOffset(record.enemyNumber)) << "enemy " << int{record.enemyNumber};
  }
}

// The selection sort the order is defined by, kept literal as the reference.
void ReferenceSortByName(EnemyTable& table) {
  auto upper = [](const EnemyRecord& record) {
    std::string text(record.name, strnlen(record.name, kNameFieldLength));
    for (char& c : text) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
  };
  for (std::size_t i = 0; i + 1 < kEnemyCount; ++i) {
    std::size_t b = i;
    for (std::size_t j = i; j < kEnemyCount; ++j) {
      const int order = std::strcmp(upper(table[j]).c_str(), upper(table[b]).c_str());
      if (order < 0 || (order == 0 && table[b].enemyNumber > table[j].enemyNumber)) b = j;
    }
    if (b != i) std::swap(table[i], table[b]);
  }
}

TEST(SortEnemiesByName, UpperCasedNamesThenEnemyNumbers) {
  const EnemyTable table = EnemyTableWithNames({
      "bat", "Bat", "BAT", "Ba", std::string("Bat\0zz", 6), "\xE9lan", "Zed", "apple", std::string(25, 'A'),
      std::string(24, 'A'), "_x", "[",
  });
  const std::vector<int> expectedStart = {9, 8, 7, 3, 0, 1, 2, 4, 6, 11, 10};
  for (EnemyTable sorted : StartingOrders(table)) {
    SortEnemiesByName(sorted);
    const std::vector<int> numbers = EnemyNumbersOf(sorted);
    EXPECT_EQ(std::vector<int>(numbers.begin(), numbers.begin() + 11), expectedStart);
    EXPECT_EQ(numbers[12], 13) << "the filler names follow in number order";
    EXPECT_EQ(numbers[229], 5) << "a character above 0x7F sorts after every ASCII one";
    ExpectRecordsIntact(sorted);
  }
}

TEST(SortEnemiesByName, MatchesTheSelectionSortOnNamesFullOfTies) {
  std::mt19937 random(99);
  const char alphabet[] = {'a', 'A', 'b', 'B', '\xE9', '\0'};
  EnemyTable table = EnemyTableWithNames({});
  for (EnemyRecord& record : table) {
    for (char& c : record.name) c = alphabet[random() % sizeof alphabet];
  }
  for (EnemyTable sorted : StartingOrders(table)) {
    EnemyTable expected = sorted;
    ReferenceSortByName(expected);
    SortEnemiesByName(sorted);
    EXPECT_EQ(EnemyNumbersOf(sorted), EnemyNumbersOf(expected));
    ExpectRecordsIntact(sorted);
  }
}

TEST(SortEnemiesByGameOrder, FollowsTheGameOrderFromEndToEnd) {
  for (EnemyTable sorted : StartingOrders(EnemyTableWithNames({}))) {
    SortEnemiesByGameOrder(sorted);
    EXPECT_EQ(sorted[0].enemyNumber, 54);
    EXPECT_EQ(sorted[229].enemyNumber, 212);
    for (std::size_t p = 0; p < kEnemyCount; ++p) ASSERT_EQ(sorted[p].enemyNumber, EnemyGameOrder[p]) << p;
    ExpectRecordsIntact(sorted);
  }
}

TEST(SortEnemiesByNumber, PutsEnemyNumberPAtPositionP) {
  for (EnemyTable sorted : StartingOrders(EnemyTableWithNames({"b", "a"}))) {
    SortEnemiesByNumber(sorted);
    for (std::size_t p = 0; p < kEnemyCount; ++p) ASSERT_EQ(sorted[p].enemyNumber, p);
    ExpectRecordsIntact(sorted);
  }
}

TEST(SortEnemies, AppliesTheSortOfTheListOrder) {
  const EnemyTable table = EnemyTableWithNames({"b", "a"});
  struct Case {
    ListOrder order;
    int first;
    int last;
  } cases[] = {{ListOrder::ByName, 1, 229}, {ListOrder::ByGameOrder, 54, 212}, {ListOrder::Original, 0, 229}};
  for (const Case& c : cases) {
    EnemyTable sorted = StartingOrders(table)[2];
    SortEnemies(sorted, c.order);
    EXPECT_EQ(sorted[0].enemyNumber, c.first) << static_cast<int>(c.order);
    EXPECT_EQ(sorted[229].enemyNumber, c.last) << static_cast<int>(c.order);
  }
}

TEST(ExchangeEnemyRecords, SwapsWholeRecords) {
  EnemyTable table = EnemyTableWithNames({"first", "second"});
  table[0].hp = 11;
  table[1].actions[3] = 300;
  ExchangeEnemyRecords(table, 0, 1);
  EXPECT_EQ(table[0].enemyNumber, 1);
  EXPECT_EQ(table[0].fileOffset, EnemyRecordOffset(1));
  EXPECT_STREQ(table[0].name, "second");
  EXPECT_EQ(table[0].actions[3], 300u);
  EXPECT_EQ(table[1].enemyNumber, 0);
  EXPECT_EQ(table[1].hp, 11u);
}

}  // namespace
