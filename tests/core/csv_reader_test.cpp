#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/csv/csv_reader.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The reader fills one vector a row after another: no row may keep a cell of the one before.
TEST(ReadCsv, EachRowHoldsOnlyItsOwnCells) {
  const struct {
    std::string name;
    std::string text;
    Rows rows;
    std::vector<std::size_t> rowNumbers;
  } cases[] = {
      {"a shorter row after a longer one", "a,b,c\r\nd\r\n", {{"a", "b", "c"}, {"d"}}, {1, 2}},
      {"a quoted cell after a longer one", "\"Long name, with a comma\",x\r\n\"y\"\r\n",
       {{"Long name, with a comma", "x"}, {"y"}}, {1, 2}},
      {"blank lines, counted but left out", "a,b\r\n\r\n\nc", {{"a", "b"}, {"c"}}, {1, 4}},
      {"a quoted line break, doubled quotes and a byte order mark",
       "\xEF\xBB\xBF\"say \"\"hi\"\"\r\nthere\",2\nnext\n", {{"say \"hi\"\r\nthere", "2"}, {"next"}}, {1, 2}},
      {"empty cells", ",\r\n,,x\r\n", {{"", ""}, {"", "", "x"}}, {1, 2}},
      {"doubled quotes in two cells of a row, and in the row after",
       "\"a\"\"b\",\"c\"\"\"\"d\",e\r\n\"\"\"f\"\r\n", {{"a\"b", "c\"\"d", "e"}, {"\"f"}}, {1, 2}},
  };
  for (const auto& c : cases) {
    const CsvRows read = ReadCsv(c.text);
    EXPECT_EQ(read.problem, "") << c.name;
    EXPECT_EQ(read.rows, c.rows) << c.name;
    EXPECT_EQ(read.rowNumbers, c.rowNumbers) << c.name;
  }
}

TEST(ReadCsv, AProblemKeepsTheRowsBeforeIt) {
  const struct {
    std::string text;
    std::string problem;
  } cases[] = {
      {"a,b\r\nc,\"d\r\n", "row 2: a quoted cell is not closed"},
      {"a,b\r\nc,d\"e\r\n", "row 2: a quote stands inside a cell that does not begin with one"},
      {"a,b\r\nc,\"d\"e\r\n", "row 2: text follows the closing quote of a cell"},
  };
  for (const auto& c : cases) {
    const CsvRows read = ReadCsv(c.text);
    EXPECT_EQ(read.problem, c.problem) << c.text;
    EXPECT_EQ(read.rows, (Rows{{"a", "b"}})) << c.text;
  }
}

}  // namespace
