#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/text/game_text.h"

constexpr std::size_t kEnemyCount = 230;
constexpr std::uint32_t kEnemyRecordSize = 94;
constexpr std::uint32_t kEnemyTableRomPosition = 0x1595E7;
constexpr std::uint32_t kEnemyTableSize = kEnemyRecordSize * kEnemyCount;
constexpr std::size_t kEnemyActionCount = 4;

// Offsets of the fields inside one 94-byte ROM record.
namespace EnemyFieldOffset {
constexpr std::uint32_t kTheFlag = 0;
constexpr std::uint32_t kName = 1;
constexpr std::uint32_t kType = 27;
constexpr std::uint32_t kBattleSprite = 28;
constexpr std::uint32_t kOutsidePicture = 30;
constexpr std::uint32_t kByte32 = 32;
constexpr std::uint32_t kHp = 33;
constexpr std::uint32_t kPp = 35;
constexpr std::uint32_t kExperience = 37;
constexpr std::uint32_t kMoney = 41;
constexpr std::uint32_t kMovement = 43;
constexpr std::uint32_t kStartTextAddress = 45;
constexpr std::uint32_t kDeathTextAddress = 49;
constexpr std::uint32_t kPalette = 53;
constexpr std::uint32_t kLevel = 54;
constexpr std::uint32_t kMusic = 55;
constexpr std::uint32_t kOffense = 56;
constexpr std::uint32_t kDefense = 58;
constexpr std::uint32_t kSpeed = 60;
constexpr std::uint32_t kGuts = 61;
constexpr std::uint32_t kIq = 62;
constexpr std::uint32_t kMissRate = 68;
constexpr std::uint32_t kActionOrder = 69;
constexpr std::uint32_t kActions = 70;
constexpr std::uint32_t kFinalAction = 78;
constexpr std::uint32_t kArguments = 80;
constexpr std::uint32_t kBossFlag = 86;
constexpr std::uint32_t kItemFrequency = 87;
constexpr std::uint32_t kItem = 88;
constexpr std::uint32_t kStatus = 89;
constexpr std::uint32_t kDeathSound = 90;
constexpr std::uint32_t kMaxCall = 92;
}  // namespace EnemyFieldOffset

// One enemy as the editor keeps it. The enemy number is the record's place in the ROM
// table and its identity in every list order; fileOffset is where writes go.
struct EnemyRecord {
  std::uint32_t fileOffset = 0;
  std::uint8_t theFlag = 0;
  char name[kNameFieldLength] = {};
  std::uint8_t enemyNumber = 0;
  std::uint8_t battleSprite = 0;
  std::uint32_t outsidePicture = 0;
  std::uint8_t byte32 = 0;
  std::uint32_t hp = 0;
  std::uint32_t pp = 0;
  std::uint32_t experience = 0;
  std::uint32_t money = 0;
  std::uint8_t speed = 0;
  std::uint32_t startTextAddress = 0;
  std::uint32_t deathTextAddress = 0;
  std::uint8_t palette = 0;
  std::uint8_t offense = 0;
  std::uint8_t defense = 0;
  std::uint8_t item = 0;
  std::uint8_t itemFrequency = 0;
  std::uint8_t status = 0;
  std::uint32_t actions[kEnemyActionCount] = {};
  std::uint32_t finalAction = 0;
  std::uint8_t level = 0;
  std::uint8_t guts = 0;
  std::uint8_t iq = 0;
  std::uint8_t bossFlag = 0;
  std::uint8_t deathSound = 0;
  std::uint8_t movement = 0;
  std::uint8_t actionOrder = 0;
  std::uint8_t arguments[kEnemyActionCount] = {};
  std::uint8_t maxCall = 0;
  std::uint8_t missRate = 0;
  std::uint8_t type = 0;
  std::uint8_t music = 0;
};

// Kept in the current enemy list order: list position p is table position p.
using EnemyTable = std::array<EnemyRecord, kEnemyCount>;
