#pragma once

#include "core/tables/table_fields.h"

// "Export to CSV..." and "Import from CSV..." for one table of the loaded image.

// The text tables, as the main window's File menu lists them for export and import.
struct CsvMenuTable {
  const char* menuText;
  const KnownTable& (*table)();
};
constexpr int kTextCsvTableCount = 5;
extern const CsvMenuTable kTextCsvTables[kTextCsvTableCount];

// Asks where, then writes the table as CSV through the safe replace.
void ExportTableCsv(const KnownTable& table);
// Asks for a CSV file and checks every cell: any problem is listed in a "Warning" and nothing
// is written. Otherwise the changes show in the Changes window with the question "Write these
// changes to the image?"; on Yes they are written as one action, which one Undo Apply takes
// back, and the tables are read again. True when anything was written.
bool ImportTableCsv(const KnownTable& table);
