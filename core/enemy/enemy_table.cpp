#include "core/enemy/enemy_table.h"

#include "core/rom/rom_region.h"

void DecodeEnemyRecord(const std::uint8_t* bytes, std::uint8_t enemyNumber, EnemyRecord& record) {
  namespace at = EnemyFieldOffset;
  record.fileOffset = kEnemyTableOffset + kEnemyRecordSize * enemyNumber;
  record.enemyNumber = enemyNumber;
  record.theFlag = bytes[at::kTheFlag];
  DecodeGameText(bytes + at::kName, kNameFieldLength, record.name);
  record.type = bytes[at::kType];
  // Only the low byte of the battle sprite is kept; the high byte is never written back.
  record.battleSprite = bytes[at::kBattleSprite];
  record.outsidePicture = LittleEndianValue(bytes + at::kOutsidePicture, 2);
  record.byte32 = bytes[at::kByte32];
  record.hp = LittleEndianValue(bytes + at::kHp, 2);
  record.pp = LittleEndianValue(bytes + at::kPp, 2);
  record.experience = LittleEndianValue(bytes + at::kExperience, 4);
  record.money = LittleEndianValue(bytes + at::kMoney, 2);
  record.movement = bytes[at::kMovement];
  record.startTextAddress = LittleEndianValue(bytes + at::kStartTextAddress, 4);
  record.deathTextAddress = LittleEndianValue(bytes + at::kDeathTextAddress, 4);
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
    record.actions[k] = LittleEndianValue(bytes + at::kActions + 2 * k, 2);
    record.arguments[k] = bytes[at::kArguments + k];
  }
  record.finalAction = LittleEndianValue(bytes + at::kFinalAction, 2);
  record.bossFlag = bytes[at::kBossFlag];
  record.itemFrequency = bytes[at::kItemFrequency];
  record.item = bytes[at::kItem];
  record.status = bytes[at::kStatus];
  record.deathSound = bytes[at::kDeathSound];
  record.maxCall = bytes[at::kMaxCall];
}

void LoadEnemyTable(std::FILE* romFile, EnemyTable& table) {
  const std::vector<std::uint8_t> bytes = ReadRomRegion(romFile, kEnemyTableOffset, kEnemyTableSize);
  for (std::size_t i = 0; i < kEnemyCount; ++i) {
    DecodeEnemyRecord(bytes.data() + kEnemyRecordSize * i, static_cast<std::uint8_t>(i), table[i]);
  }
}
