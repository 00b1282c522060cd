#pragma once

#include <string>

#include "core/tables/table_fields.h"

// The table as CSV (UTF-8, CRLF line ends): a header row of "record" and the fields' labels,
// then every record in record order, numbered as its editor numbers it, each value as the
// editor shows it.
std::string TableCsv(const KnownTable& table, const GameTables& tables);
