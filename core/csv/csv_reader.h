#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// CSV as spreadsheets save it (RFC 4180): an optional UTF-8 byte order mark, CRLF or LF line
// ends, quoted cells holding commas, doubled quotes and line breaks. Rows are numbered from 1
// as a spreadsheet numbers them, so a cell spanning lines still counts as one row. Blank
// lines are left out.

// Reads a row at a time into one vector of cells, which keeps its room from row to row: an
// import checks each row as it comes and keeps none of them. A cell is a view of the text
// itself, unless its quotes were doubled; then of a copy with them undoubled.
class CsvReader {
 public:
  explicit CsvReader(const std::string& text);

  // Puts the next row into cells, in place of what they held; false at the end of the text
  // or at a problem. The cells stay valid while the text does, until the next call.
  bool ReadRow(std::vector<std::string_view>& cells);
  // The spreadsheet's number of the row read last.
  std::size_t RowNumber() const { return rowNumber_; }
  // "row 7: a quoted cell is not closed"; empty while the text reads whole.
  const std::string& Problem() const { return problem_; }

 private:
  const std::string& text_;
  std::deque<std::string> undoubled_;  // the row's cells whose quotes were doubled
  std::size_t at_ = 0;
  std::size_t rowNumber_ = 0;
  std::string problem_;
};

// Every row at once, for the few that keep them.
struct CsvRows {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::size_t> rowNumbers;  // the spreadsheet's number of each row
  std::string problem;                  // as CsvReader::Problem; the rows before it are kept
};

CsvRows ReadCsv(const std::string& text);
