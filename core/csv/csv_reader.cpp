#include "core/csv/csv_reader.h"

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
    for (;;) {
      std::string cell;
      if (!ReadCell(cell)) return;
      row.push_back(std::move(cell));
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      SkipLineEnd();
      break;
    }
    // A blank line reads as one empty cell; spreadsheets add them at the end.
    if (row.size() == 1 && row[0].empty()) return;
    result_.rows.push_back(std::move(row));
    result_.rowNumbers.push_back(rowNumber_);
  }

  bool ReadCell(std::string& cell) {
    if (at_ < text_.size() && text_[at_] == '"') return ReadQuotedCell(cell);
    while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r' && text_[at_] != '\n') {
      if (text_[at_] == '"') return Refuse("a quote stands inside a cell that does not begin with one");
      cell += text_[at_++];
    }
    return true;
  }

  bool ReadQuotedCell(std::string& cell) {
    ++at_;
    for (;;) {
      if (at_ >= text_.size()) return Refuse("a quoted cell is not closed");
      const char c = text_[at_++];
      if (c != '"') {
        cell += c;
      } else if (at_ < text_.size() && text_[at_] == '"') {
        cell += '"';
        ++at_;
      } else {
        break;
      }
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
  CsvRows result_;
};

}  // namespace

CsvRows ReadCsv(const std::string& text) {
  return CsvScanner(text).ReadAll();
}
