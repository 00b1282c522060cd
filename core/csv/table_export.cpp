#include "core/csv/table_export.h"

#include <array>
#include <string_view>

#include "core/csv/csv_record.h"
#include "core/numbers/show_number.h"
#include "core/text/ansi_utf8.h"

namespace {

// Printable ASCII but the comma and the quote, which CSV and UTF-8 both take as they are.
constexpr std::array<bool, 256> kPlainChars = [] {
  std::array<bool, 256> plain{};
  for (std::size_t c = ' '; c <= '~'; ++c) plain[c] = c != ',' && c != '"';
  return plain;
}();

// Makes the value shown at csv[start] a CSV field. Most values are plain, and a table has
// thousands of them: they are looked at without a branch on each character.
void MakeCsvField(std::size_t start, std::string& csv, std::string& utf8) {
  bool plain = true;
  for (std::size_t i = start; i < csv.size(); ++i) plain &= kPlainChars[static_cast<unsigned char>(csv[i])];
  if (plain) return;
  utf8.clear();
  AppendUtf8Of(std::string_view(csv).substr(start), utf8);
  csv.resize(start);
  AppendCsvField(utf8, csv);
}

}  // namespace

std::string TableCsv(const KnownTable& table, const GameTables& tables) {
  std::string csv;
  // Room for the usual sizes of values at once, rather than growing by copying the CSV so far.
  csv.reserve(table.recordCount * (table.fields.size() + 1) * 8);
  csv = "record";
  for (const TableField& field : table.fields) {
    csv += ',';
    AppendCsvField(field.label, csv);
  }
  csv += "\r\n";
  std::string utf8;
  for (std::size_t r = 0; r < table.recordCount; ++r) {
    AppendUnsigned(static_cast<std::uint32_t>(table.firstNumber + r), csv);
    for (const TableField& field : table.fields) {
      csv += ',';
      const std::size_t start = csv.size();
      field.show(tables, r, csv);
      MakeCsvField(start, csv, utf8);
    }
    csv += "\r\n";
  }
  return csv;
}
