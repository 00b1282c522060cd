#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/enemy/enemy_record.h"
#include "tests/support/fixture_image.h"

// The file offset of enemy record enemyNumber in an image of that layout.
std::uint32_t EnemyRecordOffset(std::size_t enemyNumber, const RomLayout& layout = kHeaderedLayout);

// Writes value little-endian into one field of enemy record enemyNumber in the image.
void PutEnemyField(FixtureImage& image, std::size_t enemyNumber, std::uint32_t fieldOffset, std::uint32_t value,
                   unsigned width);
// Stores the raw bytes of the 25-byte name field (shorter data leaves the rest as it is).
void PutEnemyNameBytes(FixtureImage& image, std::size_t enemyNumber, const std::vector<std::uint8_t>& bytes);
void PutEnemyName(FixtureImage& image, std::size_t enemyNumber, const std::string& name);

// Puts text into the in-memory name: at most 25 characters, zeros after it.
void SetEnemyName(EnemyRecord& record, const std::string& text);
// A table in ROM order (enemy number p at position p) with the given leading names; the
// rest are named "~<number>" so they sort after every letter.
EnemyTable EnemyTableWithNames(const std::vector<std::string>& names);
std::vector<int> EnemyNumbersOf(const EnemyTable& table);
