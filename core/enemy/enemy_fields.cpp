#include "core/enemy/enemy_fields.h"

#include <variant>

#include "core/tables/record_field.h"

namespace {

namespace at = EnemyFieldOffset;

using Actions = MemberElement<EnemyRecord, std::uint32_t, kEnemyActionCount>;
using Arguments = MemberElement<EnemyRecord, std::uint8_t, kEnemyActionCount>;
using EnemyMember = std::variant<std::uint8_t EnemyRecord::*, std::uint32_t EnemyRecord::*, Actions, Arguments>;

// Every number of the 94-byte record. Only the low byte of the battle sprite is kept; its
// high byte is never written back.
const NumberField<EnemyMember> kEnemyNumberFields[] = {
    {&EnemyRecord::theFlag, at::kTheFlag, 1},
    {&EnemyRecord::type, at::kType, 1},
    {&EnemyRecord::battleSprite, at::kBattleSprite, 1},
    {&EnemyRecord::outsidePicture, at::kOutsidePicture, 2},
    {&EnemyRecord::byte32, at::kByte32, 1},
    {&EnemyRecord::hp, at::kHp, 2},
    {&EnemyRecord::pp, at::kPp, 2},
    {&EnemyRecord::experience, at::kExperience, 4},
    {&EnemyRecord::money, at::kMoney, 2},
    {&EnemyRecord::movement, at::kMovement, 1},
    {&EnemyRecord::startTextAddress, at::kStartTextAddress, 4},
    {&EnemyRecord::deathTextAddress, at::kDeathTextAddress, 4},
    {&EnemyRecord::palette, at::kPalette, 1},
    {&EnemyRecord::level, at::kLevel, 1},
    {&EnemyRecord::music, at::kMusic, 1},
    {&EnemyRecord::offense, at::kOffense, 1},
    {&EnemyRecord::defense, at::kDefense, 1},
    {&EnemyRecord::speed, at::kSpeed, 1},
    {&EnemyRecord::guts, at::kGuts, 1},
    {&EnemyRecord::iq, at::kIq, 1},
    {&EnemyRecord::missRate, at::kMissRate, 1},
    {&EnemyRecord::actionOrder, at::kActionOrder, 1},
    {Actions{&EnemyRecord::actions, 0}, at::kActions, 2},
    {Actions{&EnemyRecord::actions, 1}, at::kActions + 2, 2},
    {Actions{&EnemyRecord::actions, 2}, at::kActions + 4, 2},
    {Actions{&EnemyRecord::actions, 3}, at::kActions + 6, 2},
    {&EnemyRecord::finalAction, at::kFinalAction, 2},
    {Arguments{&EnemyRecord::arguments, 0}, at::kArguments, 1},
    {Arguments{&EnemyRecord::arguments, 1}, at::kArguments + 1, 1},
    {Arguments{&EnemyRecord::arguments, 2}, at::kArguments + 2, 1},
    {Arguments{&EnemyRecord::arguments, 3}, at::kArguments + 3, 1},
    {&EnemyRecord::bossFlag, at::kBossFlag, 1},
    {&EnemyRecord::itemFrequency, at::kItemFrequency, 1},
    {&EnemyRecord::item, at::kItem, 1},
    {&EnemyRecord::status, at::kStatus, 1},
    {&EnemyRecord::deathSound, at::kDeathSound, 1},
    {&EnemyRecord::maxCall, at::kMaxCall, 1},
};

bool WriteNumber(EnemyRecord& record, std::FILE* romFile, const EnemyMember& member, std::uint32_t value) {
  return WriteNumberField(record, romFile, kEnemyNumberFields, member, value);
}

}  // namespace

void DecodeEnemyFields(const std::uint8_t* bytes, EnemyRecord& record) {
  DecodeGameText(bytes + at::kName, kNameFieldLength, record.name);
  DecodeNumberFields(bytes, kEnemyNumberFields, record);
}

bool WriteEnemyHp(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::hp, value);
}

bool WriteEnemyPp(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::pp, value);
}

bool WriteEnemyExperience(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::experience, value);
}

bool WriteEnemyMoney(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::money, value);
}

bool WriteEnemySpeed(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::speed, value);
}

bool WriteEnemyOffense(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::offense, value);
}

bool WriteEnemyDefense(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::defense, value);
}

bool WriteEnemyStatus(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::status, value);
}

bool WriteEnemyLevel(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::level, value);
}

bool WriteEnemyGuts(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::guts, value);
}

bool WriteEnemyIq(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::iq, value);
}

bool WriteEnemyMovement(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::movement, value);
}

bool WriteEnemyItem(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::item, value);
}

bool WriteEnemyItemFrequency(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::itemFrequency, value);
}

bool WriteEnemyTheFlag(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::theFlag, value);
}

bool WriteEnemyPalette(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::palette, value);
}

bool WriteEnemyBattleSprite(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::battleSprite, value);
}

bool WriteEnemyOutsidePicture(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::outsidePicture, value);
}

bool WriteEnemyMissRate(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::missRate, value);
}

bool WriteEnemyDeathSound(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::deathSound, value);
}

bool WriteEnemyType(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::type, value);
}

bool WriteEnemyMusic(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::music, value);
}

bool WriteEnemyFinalAction(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::finalAction, value);
}

bool WriteEnemyActionOrder(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::actionOrder, value);
}

bool WriteEnemyMaxCall(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::maxCall, value);
}

bool WriteEnemyStartTextAddress(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::startTextAddress, value);
}

bool WriteEnemyDeathTextAddress(EnemyRecord& record, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(record, romFile, &EnemyRecord::deathTextAddress, value);
}

bool WriteEnemyAction(EnemyRecord& record, std::FILE* romFile, std::size_t action, std::uint32_t value) {
  return WriteNumber(record, romFile, Actions{&EnemyRecord::actions, action}, value);
}

bool WriteEnemyArgument(EnemyRecord& record, std::FILE* romFile, std::size_t argument, std::uint32_t value) {
  return WriteNumber(record, romFile, Arguments{&EnemyRecord::arguments, argument}, value);
}

bool WriteEnemyName(EnemyRecord& record, std::FILE* romFile, const std::string& name) {
  return EncodeGameText(romFile, record.fileOffset + at::kName, kNameFieldLength, name, record.name);
}
