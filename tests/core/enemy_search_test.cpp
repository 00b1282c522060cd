#include <gtest/gtest.h>

#include "core/enemy/enemy_search.h"
#include "tests/support/enemy_fixture.h"

namespace {

TEST(FindEnemies, MatchesExactSubstringsWithinTheNameField) {
  const std::string fullField = std::string(21, 'x') + "Star";  // 25 characters, no terminator
  EnemyTable table = EnemyTableWithNames({
      "Starman", "Super starman", "Starman Jr.", std::string("Sta\0rX", 6), fullField, "\xE9toile Star",
  });
  std::swap(table[0], table[2]);  // matches come in list order, not by enemy number
  struct Case {
    std::string searchText;
    std::vector<std::size_t> positions;
  } cases[] = {
      {"Star", {0, 2, 4, 5}},
      {"starman", {1}},
      {"Starman", {0, 2}},
      {"rX", {}},
      {fullField, {4}},
      {fullField + "x", {}},
      {"\xE9t", {5}},
      {"nobody", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(FindEnemies(table, c.searchText), c.positions) << c.searchText;
}

}  // namespace
