#include "core/enemy/enemy_table.h"

#include "core/enemy/enemy_fields.h"
#include "core/rom/rom_region.h"

void LoadEnemyTable(std::FILE* romFile, const RomLayout& layout, EnemyTable& table) {
  const std::uint32_t tableOffset = layout.FileOffset(kEnemyTableRomPosition);
  DecodeEnemyTable(ReadRomRegion(romFile, tableOffset, kEnemyTableSize).data(), tableOffset, table);
}

void DecodeEnemyTable(const std::uint8_t* bytes, std::uint32_t tableOffset, EnemyTable& table) {
  for (std::size_t i = 0; i < kEnemyCount; ++i) {
    EnemyRecord& record = table[i];
    record.fileOffset = tableOffset + kEnemyRecordSize * static_cast<std::uint32_t>(i);
    record.enemyNumber = static_cast<std::uint8_t>(i);
    DecodeEnemyFields(bytes + kEnemyRecordSize * i, record);
  }
}
