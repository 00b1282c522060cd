#include "core/csv/csv_reader.h"

#include <algorithm>

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The readers of a row's parts move at past what they read and return the problem that
// stopped them, or null. They are plain functions of this file, so the compiler can fold
// them into one loop over the row: a table's CSV has thousands of cells.

// A quoted cell is its text between the quotes, unless a quote in it is doubled: then a copy
// is made with each pair undoubled.
const char* ReadQuotedCell(const std::string& text, std::size_t& at, std::string_view& cell,
                           std::deque<std::string>& undoubled) {
  const std::size_t start = ++at;
  std::string* copy = nullptr;
  for (;;) {
    const std::size_t quote = text.find('"', at);
    if (quote == std::string::npos) return "a quoted cell is not closed";
    if (copy) copy->append(text, at, quote - at);
    at = quote + 1;
    if (at >= text.size() || text[at] != '"') {
      cell = copy ? std::string_view(*copy) : std::string_view(text).substr(start, quote - start);
      break;
    }
    if (!copy) copy = &undoubled.emplace_back(text, start, quote - start);
    *copy += '"';
    ++at;
  }
  if (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
    return "text follows the closing quote of a cell";
  }
  return nullptr;
}

const char* ReadCell(const std::string& text, std::size_t& at, std::vector<std::string_view>& cells,
                     std::deque<std::string>& undoubled) {
  std::string_view& cell = cells.emplace_back();
  if (at < text.size() && text[at] == '"') return ReadQuotedCell(text, at, cell, undoubled);
  const char* start = text.data() + at;
  const char* last = text.data() + text.size();
  const char* end = std::find_if(start, last, [](char c) { return c == ',' || c == '\r' || c == '\n' || c == '"'; });
  if (end != last && *end == '"') return "a quote stands inside a cell that does not begin with one";
  cell = std::string_view(start, static_cast<std::size_t>(end - start));
  at += cell.size();
  return nullptr;
}

void SkipLineEnd(const std::string& text, std::size_t& at) {
  if (at < text.size() && text[at] == '\r') ++at;
  if (at < text.size() && text[at] == '\n') ++at;
}

const char* ReadCells(const std::string& text, std::size_t& at, std::vector<std::string_view>& cells,
                      std::deque<std::string>& undoubled) {
  for (;;) {
    if (const char* problem = ReadCell(text, at, cells, undoubled)) return problem;
    if (at < text.size() && text[at] == ',') {
      ++at;
      continue;
    }
    SkipLineEnd(text, at);
    return nullptr;
  }
}

}  // namespace

CsvReader::CsvReader(const std::string& text) : text_(text) {
  if (text_.compare(0, 3, kByteOrderMark) == 0) at_ = 3;
}

bool CsvReader::ReadRow(std::vector<std::string_view>& cells) {
  while (at_ < text_.size() && problem_.empty()) {
    ++rowNumber_;
    // The vector keeps its room from the row before.
    cells.clear();
    undoubled_.clear();
    // Read through a local, which stays in a register as the cells are written.
    std::size_t at = at_;
    const char* problem = ReadCells(text_, at, cells, undoubled_);
    at_ = at;
    if (problem) {
      problem_ = "row " + std::to_string(rowNumber_) + ": " + problem;
      return false;
    }
    // A blank line reads as one empty cell; spreadsheets add them at the end.
    if (cells.size() != 1 || !cells[0].empty()) return true;
  }
  return false;
}

CsvRows ReadCsv(const std::string& text) {
  CsvReader reader(text);
  CsvRows read;
  std::vector<std::string_view> cells;
  while (reader.ReadRow(cells)) {
    read.rows.emplace_back(cells.begin(), cells.end());
    read.rowNumbers.push_back(reader.RowNumber());
  }
  read.problem = reader.Problem();
  return read;
}
