#pragma once

#include <string>

#include "core/enemy/enemy_record.h"

// The text dump of the table in its current order, with CR LF line ends wherever it is made.
std::string EnemyDumpText(const EnemyTable& table);

// Writes the dump to path. False when the file cannot be created or written; the path then
// keeps what it held before and no partial dump is left.
bool WriteEnemyDump(const EnemyTable& table, const std::string& path);
