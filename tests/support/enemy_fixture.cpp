#include "tests/support/enemy_fixture.h"

#include "core/text/game_text.h"

// Written out rather than taken from the program's constants, so a wrong one shows.
std::uint32_t EnemyRecordOffset(std::size_t enemyNumber, const RomLayout& layout) {
  return layout.FileOffset(0x1595E7 + 94 * static_cast<std::uint32_t>(enemyNumber));
}

void PutEnemyField(FixtureImage& image, std::size_t enemyNumber, std::uint32_t fieldOffset, std::uint32_t value,
                   unsigned width) {
  image.PutValue(EnemyRecordOffset(enemyNumber, image.layout) + fieldOffset, value, width);
}

void PutEnemyNameBytes(FixtureImage& image, std::size_t enemyNumber, const std::vector<std::uint8_t>& bytes) {
  image.Put(EnemyRecordOffset(enemyNumber, image.layout) + EnemyFieldOffset::kName, bytes);
}

void PutEnemyName(FixtureImage& image, std::size_t enemyNumber, const std::string& name) {
  image.PutGameText(EnemyRecordOffset(enemyNumber, image.layout) + EnemyFieldOffset::kName, name, kNameFieldLength);
}

void SetEnemyName(EnemyRecord& record, const std::string& text) {
  for (std::size_t i = 0; i < kNameFieldLength; ++i) record.name[i] = i < text.size() ? text[i] : '\0';
}

EnemyTable EnemyTableWithNames(const std::vector<std::string>& names) {
  EnemyTable table;
  for (std::size_t p = 0; p < kEnemyCount; ++p) {
    table[p].enemyNumber = static_cast<std::uint8_t>(p);
    table[p].fileOffset = EnemyRecordOffset(p);
    SetEnemyName(table[p], p < names.size() ? names[p] : "~" + std::to_string(1000 + p));
  }
  return table;
}

std::vector<int> EnemyNumbersOf(const EnemyTable& table) {
  std::vector<int> numbers;
  for (const EnemyRecord& record : table) numbers.push_back(record.enemyNumber);
  return numbers;
}
