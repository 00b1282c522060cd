#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/enemy/enemy_record.h"

// One writer per field: each positions the image at the record's field, flushes, writes the
// field low byte first and stores the value in the record (8-bit fields keep the low byte).
// Each returns false when the write fails.
bool WriteEnemyHp(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyPp(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyExperience(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyMoney(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemySpeed(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyOffense(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyDefense(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyStatus(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyLevel(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyGuts(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyIq(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyMovement(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyItem(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyItemFrequency(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyTheFlag(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyPalette(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyBattleSprite(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyOutsidePicture(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyMissRate(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyDeathSound(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyType(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyMusic(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyFinalAction(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyActionOrder(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyMaxCall(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyStartTextAddress(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
bool WriteEnemyDeathTextAddress(std::FILE* romFile, EnemyRecord& record, std::uint32_t value);
// action is 0 to 3 for actions 1 to 4; so is the argument.
bool WriteEnemyAction(std::FILE* romFile, EnemyRecord& record, std::size_t action, std::uint32_t value);
bool WriteEnemyArgument(std::FILE* romFile, EnemyRecord& record, std::size_t argument, std::uint32_t value);
// At most 24 characters are shown in the name box; the text is cut to the field and zero-filled.
bool WriteEnemyName(std::FILE* romFile, EnemyRecord& record, const std::string& name);
