#include "core/csv/table_export.h"

#include <algorithm>
#include <utility>

#include "core/csv/csv_record.h"
#include "core/text/ansi_utf8.h"

namespace {

// Most values are printable ASCII without a comma or a quote, which CSV and UTF-8 both take
// as they are; a table has thousands of them.
void AppendShownValue(std::string shown, std::string& csv) {
  const auto plain = [](char c) { return c >= ' ' && c <= '~' && c != ',' && c != '"'; };
  if (std::all_of(shown.begin(), shown.end(), plain)) {
    csv += shown;
  } else {
    AppendCsvField(AnsiToUtf8(std::move(shown)), csv);
  }
}

}  // namespace

std::string TableCsv(const KnownTable& table, const GameTables& tables) {
  std::string csv = "record";
  for (const TableField& field : table.fields) {
    csv += ',';
    AppendCsvField(field.label, csv);
  }
  csv += "\r\n";
  for (std::size_t r = 0; r < table.recordCount; ++r) {
    csv += std::to_string(table.firstNumber + r);
    for (const TableField& field : table.fields) {
      csv += ',';
      AppendShownValue(field.show(tables, r), csv);
    }
    csv += "\r\n";
  }
  return csv;
}
