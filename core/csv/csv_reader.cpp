#include "core/csv/csv_reader.h"

#include <algorithm>

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

class CsvScanner {
 public:
  explicit CsvScanner(const std::string& text) : text_(text) {
    if (text_.compare(0, 3, kByteOrderMark) == 0) at_ = 3;
  }

  CsvRows ReadAll() {
    while (at_ < text_.size() && result_.problem.empty()) ReadRow();
    return std::move(result_);
  }

 private:
  void ReadRow() {
    ++rowNumber_;
    std::vector<std::string> row;
    row.reserve(cellsOfLastRow_);
    for (;;) {
      if (!ReadCell(row)) return;
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      SkipLineEnd();
      break;
    }
    // A blank line reads as one empty cell; spreadsheets add them at the end.
    if (row.size() == 1 && row[0].empty()) return;
    cellsOfLastRow_ = row.size();
    result_.rows.push_back(std::move(row));
    result_.rowNumbers.push_back(rowNumber_);
  }

  // Adds the cell to the row. A cell without quotes is made in one step from its bytes: a
  // table's CSV has thousands.
  bool ReadCell(std::vector<std::string>& row) {
    if (at_ < text_.size() && text_[at_] == '"') return ReadQuotedCell(row.emplace_back());
    const char* start = text_.data() + at_;
    const char* last = text_.data() + text_.size();
    const char* end = std::find_if(start, last, [](char c) { return c == ',' || c == '\r' || c == '\n' || c == '"'; });
    if (end != last && *end == '"') return Refuse("a quote stands inside a cell that does not begin with one");
    row.emplace_back(start, end);
    at_ += static_cast<std::size_t>(end - start);
    return true;
  }

  bool ReadQuotedCell(std::string& cell) {
    ++at_;
    for (;;) {
      const std::size_t quote = text_.find('"', at_);
      if (quote == std::string::npos) return Refuse("a quoted cell is not closed");
      cell.append(text_, at_, quote - at_);
      at_ = quote + 1;
      if (at_ >= text_.size() || text_[at_] != '"') break;
      cell += '"';
      ++at_;
    }
    if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r' && text_[at_] != '\n') {
      return Refuse("text follows the closing quote of a cell");
    }
    return true;
  }

  void SkipLineEnd() {
    if (at_ < text_.size() && text_[at_] == '\r') ++at_;
    if (at_ < text_.size() && text_[at_] == '\n') ++at_;
  }

  bool Refuse(const std::string& what) {
    result_.problem = "row " + std::to_string(rowNumber_) + ": " + what;
    return false;
  }

  const std::string& text_;
  std::size_t at_ = 0;
  std::size_t rowNumber_ = 0;
  std::size_t cellsOfLastRow_ = 0;
  CsvRows result_;
};

}  // namespace

CsvRows ReadCsv(const std::string& text) {
  return CsvScanner(text).ReadAll();
}
