#include "core/enemy/enemy_field_writers.h"

namespace {

namespace at = EnemyFieldOffset;

bool WriteField(std::FILE* romFile, const EnemyRecord& record, std::uint32_t fieldOffset, std::uint32_t value,
                unsigned width) {
  return WriteRomValue(romFile, record.fileOffset + fieldOffset, value, width);
}

}  // namespace

bool WriteEnemyHp(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.hp = value;
  return WriteField(romFile, record, at::kHp, value, 2);
}

bool WriteEnemyPp(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.pp = value;
  return WriteField(romFile, record, at::kPp, value, 2);
}

bool WriteEnemyExperience(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.experience = value;
  return WriteField(romFile, record, at::kExperience, value, 4);
}

bool WriteEnemyMoney(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.money = value;
  return WriteField(romFile, record, at::kMoney, value, 2);
}

bool WriteEnemySpeed(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.speed = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kSpeed, value, 1);
}

bool WriteEnemyOffense(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.offense = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kOffense, value, 1);
}

bool WriteEnemyDefense(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.defense = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kDefense, value, 1);
}

bool WriteEnemyStatus(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.status = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kStatus, value, 1);
}

bool WriteEnemyLevel(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.level = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kLevel, value, 1);
}

bool WriteEnemyGuts(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.guts = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kGuts, value, 1);
}

bool WriteEnemyIq(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.iq = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kIq, value, 1);
}

bool WriteEnemyMovement(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.movement = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kMovement, value, 1);
}

bool WriteEnemyItem(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.item = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kItem, value, 1);
}

bool WriteEnemyItemFrequency(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.itemFrequency = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kItemFrequency, value, 1);
}

bool WriteEnemyTheFlag(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.theFlag = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kTheFlag, value, 1);
}

bool WriteEnemyPalette(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.palette = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kPalette, value, 1);
}

bool WriteEnemyBattleSprite(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.battleSprite = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kBattleSprite, value, 1);
}

bool WriteEnemyOutsidePicture(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.outsidePicture = value;
  return WriteField(romFile, record, at::kOutsidePicture, value, 2);
}

bool WriteEnemyMissRate(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.missRate = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kMissRate, value, 1);
}

bool WriteEnemyDeathSound(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.deathSound = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kDeathSound, value, 1);
}

bool WriteEnemyType(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.type = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kType, value, 1);
}

bool WriteEnemyMusic(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.music = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kMusic, value, 1);
}

bool WriteEnemyFinalAction(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.finalAction = value;
  return WriteField(romFile, record, at::kFinalAction, value, 2);
}

bool WriteEnemyActionOrder(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.actionOrder = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kActionOrder, value, 1);
}

bool WriteEnemyMaxCall(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.maxCall = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kMaxCall, value, 1);
}

bool WriteEnemyStartTextAddress(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.startTextAddress = value;
  return WriteField(romFile, record, at::kStartTextAddress, value, 4);
}

bool WriteEnemyDeathTextAddress(std::FILE* romFile, EnemyRecord& record, std::uint32_t value) {
  record.deathTextAddress = value;
  return WriteField(romFile, record, at::kDeathTextAddress, value, 4);
}

bool WriteEnemyAction(std::FILE* romFile, EnemyRecord& record, std::size_t action, std::uint32_t value) {
  record.actions[action] = value;
  return WriteField(romFile, record, at::kActions + 2 * static_cast<std::uint32_t>(action), value, 2);
}

bool WriteEnemyArgument(std::FILE* romFile, EnemyRecord& record, std::size_t argument, std::uint32_t value) {
  record.arguments[argument] = static_cast<std::uint8_t>(value);
  return WriteField(romFile, record, at::kArguments + static_cast<std::uint32_t>(argument), value, 1);
}

bool WriteEnemyName(std::FILE* romFile, EnemyRecord& record, const std::string& name) {
  return EncodeGameText(romFile, record.fileOffset + at::kName, kNameFieldLength, name, record.name);
}
