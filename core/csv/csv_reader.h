#pragma once

#include <string>
#include <vector>

// CSV as spreadsheets save it (RFC 4180): an optional UTF-8 byte order mark, CRLF or LF line
// ends, quoted cells holding commas, doubled quotes and line breaks. Rows are numbered from 1
// as a spreadsheet numbers them, so a cell spanning lines still counts as one row.
struct CsvRows {
  std::vector<std::vector<std::string>> rows;  // blank lines left out
  std::vector<std::size_t> rowNumbers;         // the spreadsheet's number of each row
  std::string problem;                         // "row 7: a quoted cell is not closed"; empty when read whole
};

CsvRows ReadCsv(const std::string& text);
