#include "core/enemy/enemy_field_writers.h"

namespace {

namespace at = EnemyFieldOffset;

bool WriteField(std::FILE* romFile, const EnemyRecord& record, std::uint32_t fieldOffset, std::uint32_t value,
                unsigned width) {
  return WriteRomValue(romFile, record.fileOffset + fieldOffset, value, width);
}

}  // namespace

bool WriteEnemyHp(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.hp = value;
  return WriteField(romFile, record, at::kHp, value, 2);
}

bool WriteEnemyPp(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.pp = value;
  return WriteField(romFile, record, at::kPp, value, 2);
}

bool WriteEnemyExperience(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.experience = value;
  return WriteField(romFile, record, at::kExperience, value, 4);
}

bool WriteEnemyMoney(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.money = value;
  return WriteField(romFile, record, at::kMoney, value, 2);
}

bool WriteEnemySpeed(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.speed = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kSpeed, value, 1);
}

bool WriteEnemyOffense(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.offense = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kOffense, value, 1);
}

bool WriteEnemyDefense(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.defense = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kDefense, value, 1);
}

bool WriteEnemyStatus(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.status = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kStatus, value, 1);
}

bool WriteEnemyLevel(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.level = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kLevel, value, 1);
}

bool WriteEnemyGuts(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.guts = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kGuts, value, 1);
}

bool WriteEnemyIq(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.iq = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kIq, value, 1);
}

bool WriteEnemyMovement(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.movement = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kMovement, value, 1);
}

bool WriteEnemyItem(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.item = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kItem, value, 1);
}

bool WriteEnemyItemFrequency(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.itemFrequency = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kItemFrequency, value, 1);
}

bool WriteEnemyTheFlag(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.theFlag = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kTheFlag, value, 1);
}

bool WriteEnemyPalette(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.palette = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kPalette, value, 1);
}

bool WriteEnemyBattleSprite(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.battleSprite = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kBattleSprite, value, 1);
}

bool WriteEnemyOutsidePicture(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.outsidePicture = value;
  return WriteField(romFile, record, at::kOutsidePicture, value, 2);
}

bool WriteEnemyMissRate(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.missRate = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kMissRate, value, 1);
}

bool WriteEnemyDeathSound(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.deathSound = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kDeathSound, value, 1);
}

bool WriteEnemyType(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.type = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kType, value, 1);
}

bool WriteEnemyMusic(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.music = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kMusic, value, 1);
}

bool WriteEnemyFinalAction(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.finalAction = value;
  return WriteField(romFile, record, at::kFinalAction, value, 2);
}

bool WriteEnemyActionOrder(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.actionOrder = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kActionOrder, value, 1);
}

bool WriteEnemyMaxCall(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.maxCall = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kMaxCall, value, 1);
}

bool WriteEnemyStartTextAddress(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.startTextAddress = value;
  return WriteField(romFile, record, at::kStartTextAddress, value, 4);
}

bool WriteEnemyDeathTextAddress(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.deathTextAddress = value;
  return WriteField(romFile, record, at::kDeathTextAddress, value, 4);
}

bool WriteEnemyAction(EnemyRecord& record, std::FILE* romFile, std::size_t action, std::uint32_t value) {
  record.actions[action] = value;
  return WriteField(romFile, record, at::kActions + 2 * static_cast<std::uint32_t>(action), value, 2);
}

bool WriteEnemyArgument(EnemyRecord& record, std::FILE* romFile, std::size_t argument, std::uint32_t value) {
  record.arguments[argument] = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kArguments + static_cast<std::uint32_t>(argument), value, 1);
}

bool WriteEnemyName(EnemyRecord& record, std::FILE* romFile, const std::string& name) {
  return EncodeGameText(romFile, record.fileOffset + at::kName, kNameFieldLength, name, record.name);
}
