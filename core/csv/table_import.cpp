#include "core/csv/table_import.h"

#include <algorithm>
#include <utility>

#include "core/compare/compare_images.h"
#include "core/csv/csv_reader.h"
#include "core/numbers/whole_number.h"
#include "core/rom/first_difference.h"
#include "core/tables/shown_from_bytes.h"
#include "core/text/ansi_utf8.h"

namespace {

constexpr char kRecordColumn[] = "record";
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

// A field the CSV gives, and its column.
struct GivenField {
  const TableField* field;
  std::size_t column;
};

// Which column holds the record number and which each field.
struct Columns {
  std::size_t count = 0;
  std::size_t record = kNoColumn;
  std::vector<GivenField> given;  // in the table's order of fields
};

class ImportReader {
 public:
  ImportReader(const KnownTable& table, const GameTables& tables, std::vector<std::uint8_t> tableBytes)
      : table_(table), tables_(tables), rowOfRecord_(table.recordCount, 0) {
    import_.before = std::move(tableBytes);
    import_.after = import_.before;
  }

  TableImport Read(const std::string& csv) {
    CsvReader reader(csv);
    std::vector<std::string_view> cells;
    const bool hasHeader = reader.ReadRow(cells);
    const bool headerRead = hasHeader && ReadHeader(cells);
    // Rows are checked as they are read, and read to the end even once the problems are
    // full: a fault in the CSV itself, wherever it stands, is the one problem listed, and the
    // rows before it change nothing.
    while (reader.ReadRow(cells)) {
      if (headerRead && !Full()) ReadRow(cells, reader.RowNumber());
    }
    if (!reader.Problem().empty()) {
      import_.problems = {reader.Problem()};
      import_.after = import_.before;
    } else if (!hasHeader) {
      Add("row 1: there is no header row");
    }
    if (import_.problems.empty()) ListChanges();
    return std::move(import_);
  }

 private:
  bool ReadHeader(const std::vector<std::string_view>& header) {
    columns_.count = header.size();
    std::vector<std::size_t> ofField(table_.fields.size(), kNoColumn);
    for (std::size_t c = 0; c < header.size(); ++c) {
      const std::string label(header[c]);
      std::size_t* slot = &columns_.record;
      if (label != kRecordColumn) {
        const auto field = std::find_if(table_.fields.begin(), table_.fields.end(),
                                        [&](const TableField& known) { return label == known.label; });
        if (field == table_.fields.end()) {
          Add("row 1, column " + label + ": not a field of the " + table_.name + " table");
          continue;
        }
        slot = &ofField[static_cast<std::size_t>(field - table_.fields.begin())];
      }
      if (*slot != kNoColumn) Add("row 1, column " + label + ": given twice");
      *slot = c;
    }
    if (columns_.record == kNoColumn) Add("row 1: there is no \"record\" column");
    for (std::size_t f = 0; f < ofField.size(); ++f) {
      if (ofField[f] != kNoColumn) columns_.given.push_back({&table_.fields[f], ofField[f]});
    }
    return import_.problems.empty();
  }

  // Where a problem is: "row 14", "row 14 (record 12)". Made only for a problem, not for
  // every row read.
  static std::string RowText(std::size_t rowNumber) { return "row " + std::to_string(rowNumber); }
  std::string RecordRowText(std::size_t rowNumber, std::size_t record) const {
    return RowText(rowNumber) + " (record " + std::to_string(table_.firstNumber + record) + ")";
  }

  void ReadRow(const std::vector<std::string_view>& cells, std::size_t rowNumber) {
    if (cells.size() != columns_.count) {
      Add(RowText(rowNumber) + ": " + std::to_string(cells.size()) + " cells, where the header has " +
          std::to_string(columns_.count));
      return;
    }
    std::size_t record = 0;
    if (!ReadRecordNumber(std::string(cells[columns_.record]), rowNumber, record)) return;
    if (rowOfRecord_[record] != 0) {
      Add(RecordRowText(rowNumber, record) + ": the record is given again (first in row " +
          std::to_string(rowOfRecord_[record]) + ")");
      return;
    }
    rowOfRecord_[record] = rowNumber;
    std::uint8_t* bytes = import_.after.data() + record * table_.recordSize;
    const std::uint8_t* stored = import_.before.data() + record * table_.recordSize;
    for (const GivenField& given : columns_.given) {
      const TableField& field = *given.field;
      const std::string_view cell = cells[given.column];
      if (ShowsStoredValue(cell, field, record, {bytes, stored})) continue;
      const std::string problem = ReadChangedCell(std::string(cell), field, bytes);
      if (problem.empty()) continue;
      Add(RecordRowText(rowNumber, record) + ", column " + field.label + ": " + problem);
      if (Full()) return;
    }
  }

  bool ReadRecordNumber(const std::string& cell, std::size_t rowNumber, std::size_t& record) {
    const std::int64_t first = table_.firstNumber;
    const std::int64_t last = first + static_cast<std::int64_t>(table_.recordCount) - 1;
    const WholeNumber number = ReadWholeNumber(cell, false);
    std::string problem = WholeNumberProblem(number, {first, last}, kRecordColumn);
    if (problem.empty()) {
      record = static_cast<std::size_t>(number.value - first);
      return true;
    }
    if (number.kind == WholeNumber::Kind::Number) {
      problem = number.written + " is not a record of the " + table_.name + " table (" + std::to_string(first) +
                " to " + std::to_string(last) + ")";
    }
    Add(RowText(rowNumber) + ", column " + kRecordColumn + ": " + problem);
    return false;
  }

  struct RecordPlace {
    std::uint8_t* edited;
    const std::uint8_t* stored;
  };

  // A cell showing what the image holds is left alone, unless what its showing depends on
  // has changed in this row. Compared as they stand: most cells are left alone, and only the
  // others need reading back into the code page. A field whose shown value follows from its
  // bytes is compared with them, without showing it.
  bool ShowsStoredValue(std::string_view cell, const TableField& field, std::size_t record,
                        const RecordPlace& place) {
    if (field.fromBytes) return field.fromBytes->isShownIn(cell, field, place.stored);
    const ByteRange& with = field.shownWith;
    for (std::uint32_t i = with.offset; i < with.offset + with.width; ++i) {
      if (place.edited[i] != place.stored[i]) return false;
    }
    shown_.clear();
    field.show(tables_, record, shown_);
    return IsUtf8Of(cell, shown_);
  }

  // Stores the cell's value in the record as its editor would; what is wrong with it otherwise.
  std::string ReadChangedCell(const std::string& cell, const TableField& field, std::uint8_t* edited) const {
    const AnsiText text = Utf8ToAnsi(cell);
    if (!text.utf8) return "the cell is not UTF-8 text";
    if (!text.unheld.empty()) {
      return "\"" + cell + "\" holds \"" + text.unheld + "\", which the game's text cannot hold";
    }
    return AnsiToUtf8(field.read(text.text, field, {tables_, edited}));
  }

  // The tables decoded from the image serve for both sides while only fields shown from their
  // bytes changed: a bulk edit of numbers lists its changes without decoding the table again.
  void ListChanges() {
    const TableBytes bytes{import_.before.data(), import_.after.data()};
    if (OnlyFieldsShownFromBytesChanged()) {
      AddTableChanges(table_, bytes, {tables_, tables_}, import_.changes);
      return;
    }
    GameTables after = tables_;
    table_.decode(import_.after.data(), after);
    AddTableChanges(table_, bytes, {tables_, after}, import_.changes);
  }

  bool OnlyFieldsShownFromBytesChanged() const {
    // The bits of each byte of a record that fields shown from their bytes hold.
    std::vector<std::uint8_t> shownFromBytes(table_.recordSize, 0);
    for (const TableField& field : table_.fields) {
      if (!field.fromBytes) continue;
      for (std::uint32_t i = field.offset; i < field.offset + field.width; ++i) shownFromBytes[i] |= field.bits;
    }
    const std::vector<std::uint8_t>& before = import_.before;
    const std::vector<std::uint8_t>& after = import_.after;
    for (std::size_t at = FirstDifference(before.data(), after.data(), before.size()); at < before.size();
         at += 1 + FirstDifference(before.data() + at + 1, after.data() + at + 1, before.size() - at - 1)) {
      if ((before[at] ^ after[at]) & ~shownFromBytes[at % table_.recordSize]) return false;
    }
    return true;
  }

  void Add(std::string problem) {
    if (!Full()) import_.problems.push_back(std::move(problem));
  }
  bool Full() const { return import_.problems.size() >= kImportProblemsListed; }

  const KnownTable& table_;
  const GameTables& tables_;
  TableImport import_;
  Columns columns_;
  std::vector<std::size_t> rowOfRecord_;  // by record; 0 until a row gives it
  std::string shown_;                     // the value a cell is compared with, its room kept
};

}  // namespace

TableImport ReadTableImport(const KnownTable& table, const GameTables& tables, std::vector<std::uint8_t> tableBytes,
                            const std::string& csv) {
  return ImportReader(table, tables, std::move(tableBytes)).Read(csv);
}
