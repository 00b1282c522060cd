#pragma once

#include <cstdint>
#include <cstdio>

#include "core/enemy/enemy_record.h"
#include "core/rom/rom_layout.h"

// Reads all 230 records in ROM order, enemy number p at position p. Bytes past the end of
// the file read as 0xFF, as single-byte reads give them.
void LoadEnemyTable(std::FILE* romFile, const RomLayout& layout, EnemyTable& table);
// The same from the table's bytes already read, which lie at tableOffset in the file.
void DecodeEnemyTable(const std::uint8_t* bytes, std::uint32_t tableOffset, EnemyTable& table);
