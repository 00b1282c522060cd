#include "core/csv/table_export.h"

#include <algorithm>
#include <string_view>

#include "core/csv/csv_record.h"
#include "core/numbers/show_number.h"
#include "core/text/ansi_utf8.h"

namespace {

// Makes the value shown at csv[start] a CSV field. Most values are printable ASCII without a
// comma or a quote, which CSV and UTF-8 both take as they are; a table has thousands of them.
void MakeCsvField(std::size_t start, std::string& csv, std::string& utf8) {
  const auto plain = [](char c) { return c >= ' ' && c <= '~' && c != ',' && c != '"'; };
  if (std::all_of(csv.begin() + static_cast<std::ptrdiff_t>(start), csv.end(), plain)) return;
  utf8.clear();
  AppendUtf8Of(std::string_view(csv).substr(start), utf8);
  csv.resize(start);
  AppendCsvField(utf8, csv);
}

}  // namespace

std::string TableCsv(const KnownTable& table, const GameTables& tables) {
  std::string csv = "record";
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
