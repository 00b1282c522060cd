#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/compare/change_row_order.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> Column(const Rows& rows, std::size_t column) {
  std::vector<std::string> cells;
  for (const std::vector<std::string>& row : rows) cells.push_back(row[column]);
  return cells;
}

// One column a row; the row's first cell names it, so ties show their order.
Rows RowsOf(const std::vector<std::string>& cells) {
  Rows rows;
  for (std::size_t i = 0; i < cells.size(); ++i) rows.push_back({std::to_string(i), cells[i]});
  return rows;
}

TEST(ChangeRowOrder, NumbersGoByValueBeforeTextsWhichIgnoreCase) {
  const struct {
    std::vector<std::string> cells;
    std::vector<std::string> ascending;
  } cases[] = {
      {{"300", "1000", "-5", "21"}, {"-5", "21", "300", "1000"}},
      {{"0x1A2B00", "0x00FF00", "$C55A21", "$0A"}, {"$0A", "0x00FF00", "0x1A2B00", "$C55A21"}},
      {{"starman", "12", "Apple", "none", "Zombie", "-"}, {"12", "-", "Apple", "none", "starman", "Zombie"}},
      {{"0x", "$", "12ab", "", "7"}, {"7", "", "$", "0x", "12ab"}},
  };
  for (const auto& c : cases) {
    Rows rows = RowsOf(c.cells);
    SortChangeRows(rows, 1, true);
    EXPECT_EQ(Column(rows, 1), c.ascending) << c.cells[0];
    SortChangeRows(rows, 1, false);
    EXPECT_EQ(Column(rows, 1), std::vector<std::string>(c.ascending.rbegin(), c.ascending.rend())) << c.cells[0];
  }
}

TEST(ChangeRowOrder, TiesKeepTheirOrderEitherWay) {
  Rows rows = RowsOf({"HP", "PP", "hp", "HP"});
  SortChangeRows(rows, 1, true);
  EXPECT_EQ(Column(rows, 0), (std::vector<std::string>{"0", "2", "3", "1"}));
  SortChangeRows(rows, 1, false);
  EXPECT_EQ(Column(rows, 0), (std::vector<std::string>{"1", "0", "2", "3"}));
}

}  // namespace
