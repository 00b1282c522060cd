#pragma once

#include <cstdint>
#include <cstdio>

#include "core/enemy/enemy_record.h"

// Fills record from its 94 ROM bytes; values outside the catalogues are kept as read.
void DecodeEnemyRecord(const std::uint8_t* bytes, std::uint8_t enemyNumber, EnemyRecord& record);

// Reads all 230 records in ROM order, enemy number p at position p. Bytes past the end of
// the file read as 0xFF, as single-byte reads give them.
void LoadEnemyTable(std::FILE* romFile, EnemyTable& table);
