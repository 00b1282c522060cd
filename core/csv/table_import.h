#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/compare/image_changes.h"
#include "core/tables/table_fields.h"

// Reading a table back from CSV as a spreadsheet saves it: columns by their header in any
// order ("record" and the fields' labels), a column left out keeps its field, rows in any
// order, each record at most once. A cell that still shows what the image holds keeps its
// bytes as they are (those after a name's end included); every other cell is checked as its
// editor checks it.

constexpr std::size_t kImportProblemsListed = 20;

struct TableImport {
  // "row 14 (record 12), column HP: "abc" is not a number", in UTF-8, at most
  // kImportProblemsListed; any refuses the whole import.
  std::vector<std::string> problems;
  std::vector<std::uint8_t> before;  // the table's ROM bytes as the image holds them
  std::vector<std::uint8_t> after;   // the same with the imported values in place
  std::vector<FieldChange> changes;  // the fields that differ, as a comparison lists them
};

// tables: every table as the image holds it, in ROM order; tableBytes: this table's ROM bytes.
TableImport ReadTableImport(const KnownTable& table, const GameTables& tables, std::vector<std::uint8_t> tableBytes,
                            const std::string& csv);
