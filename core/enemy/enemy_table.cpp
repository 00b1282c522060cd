#include "core/enemy/enemy_table.h"

#include <algorithm>

namespace {

std::uint32_t LittleEndian(const std::uint8_t* bytes, unsigned width) {
  std::uint32_t value = 0;
  for (unsigned i = width; i > 0; --i) value = (value << 8) | bytes[i - 1];
  return value;
}

}  // namespace

void DecodeEnemyRecord(const std::uint8_t* bytes, std::uint8_t enemyNumber, EnemyRecord& record) {
  namespace at = EnemyFieldOffset;
  record.fileOffset = kEnemyTableOffset + kEnemyRecordSize * enemyNumber;
  record.enemyNumber = enemyNumber;
  record.theFlag = bytes[at::kTheFlag];
  DecodeGameText(bytes + at::kName, kNameFieldLength, record.name);
  record.type = bytes[at::kType];
  // Only the low byte of the battle sprite is kept; the high byte is never written back.
  record.battleSprite = bytes[at::kBattleSprite];
  record.outsidePicture = LittleEndian(bytes + at::kOutsidePicture, 2);
  record.byte32 = bytes[at::kByte32];
  record.hp = LittleEndian(bytes + at::kHp, 2);
  record.pp = LittleEndian(bytes + at::kPp, 2);
  record.experience = LittleEndian(bytes + at::kExperience, 4);
  record.money = LittleEndian(bytes + at::kMoney, 2);
  record.movement = bytes[at::kMovement];
  record.startTextAddress = LittleEndian(bytes + at::kStartTextAddress, 4);
  record.deathTextAddress = LittleEndian(bytes + at::kDeathTextAddress, 4);
  record.palette = bytes[at::kPalette];
  record.level = bytes[at::kLevel];
  record.music = bytes[at::kMusic];
  record.offense = bytes[at::kOffense];
  record.defense = bytes[at::kDefense];
  record.speed = bytes[at::kSpeed];
  record.guts = bytes[at::kGuts];
  record.iq = bytes[at::kIq];
  record.missRate = bytes[at::kMissRate];
  record.actionOrder = bytes[at::kActionOrder];
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    record.actions[k] = LittleEndian(bytes + at::kActions + 2 * k, 2);
    record.arguments[k] = bytes[at::kArguments + k];
  }
  record.finalAction = LittleEndian(bytes + at::kFinalAction, 2);
  record.bossFlag = bytes[at::kBossFlag];
  record.itemFrequency = bytes[at::kItemFrequency];
  record.item = bytes[at::kItem];
  record.status = bytes[at::kStatus];
  record.deathSound = bytes[at::kDeathSound];
  record.maxCall = bytes[at::kMaxCall];
}

bool LoadEnemyTable(std::FILE* romFile, EnemyTable& table) {
  // One bulk read; what a short file lacks reads as the single-byte reader's 0xFF.
  std::array<std::uint8_t, kEnemyTableSize> bytes;
  std::size_t got = 0;
  if (std::fseek(romFile, static_cast<long>(kEnemyTableOffset), SEEK_SET) == 0) {
    got = std::fread(bytes.data(), 1, bytes.size(), romFile);
  }
  std::fill(bytes.begin() + got, bytes.end(), std::uint8_t{0xFF});
  for (std::size_t i = 0; i < kEnemyCount; ++i) {
    DecodeEnemyRecord(bytes.data() + kEnemyRecordSize * i, static_cast<std::uint8_t>(i), table[i]);
  }
  return got == bytes.size();
}
