#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/enemy/enemy_record.h"

// Fills the name and every number of record from its 94 ROM bytes; values outside the
// catalogues are kept as read.
void DecodeEnemyFields(const std::uint8_t* bytes, EnemyRecord& record);

// One writer per field: each positions the image at the record's field, flushes, writes the
// field low byte first and stores the value in the record (8-bit fields keep the low byte).
// Each returns false when the write fails.
bool WriteEnemyHp(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyPp(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyExperience(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyMoney(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemySpeed(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyOffense(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyDefense(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyStatus(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyLevel(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyGuts(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyIq(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyMovement(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyItem(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyItemFrequency(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyTheFlag(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyPalette(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyBattleSprite(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyOutsidePicture(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyMissRate(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyDeathSound(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyType(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyMusic(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyFinalAction(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyActionOrder(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyMaxCall(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyStartTextAddress(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteEnemyDeathTextAddress(EnemyRecord& record, std::FILE* romFile, std::uint32_t value);
// action is 0 to 3 for actions 1 to 4; so is the argument.
bool WriteEnemyAction(EnemyRecord& record, std::FILE* romFile, std::size_t action, std::uint32_t value);
bool WriteEnemyArgument(EnemyRecord& record, std::FILE* romFile, std::size_t argument, std::uint32_t value);
// At most 24 characters are shown in the name box; the text is cut to the field and zero-filled.
bool WriteEnemyName(EnemyRecord& record, std::FILE* romFile, const std::string& name);
