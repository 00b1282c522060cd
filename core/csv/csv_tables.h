#pragma once

#include <string>
#include <vector>

#include "core/tables/table_fields.h"

// The names a table goes by in export and import: enemies, items, psi-names, teleports,
// phone, ailments, battle-menu.

// Null when no table goes by name.
const KnownTable* CsvTableNamed(const std::string& name);
// "enemies|items|..."
std::string CsvTableNames();
// The same tables, in the same order.
std::vector<const KnownTable*> CsvTables();
