#include "core/csv/table_export.h"

#include <vector>

#include "core/csv/csv_record.h"
#include "core/text/ansi_utf8.h"

std::string TableCsv(const KnownTable& table, const GameTables& tables) {
  std::vector<std::string> cells = {"record"};
  for (const TableField& field : table.fields) cells.push_back(field.label);
  std::string csv = CsvRecord(cells);
  for (std::size_t r = 0; r < table.recordCount; ++r) {
    cells.clear();
    cells.push_back(std::to_string(table.firstNumber + r));
    for (const TableField& field : table.fields) cells.push_back(AnsiToUtf8(field.show(tables, r)));
    csv += CsvRecord(cells);
  }
  return csv;
}
