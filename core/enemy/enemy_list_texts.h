#pragma once

#include <cstddef>
#include <string>

#include "core/enemy/enemy_record.h"

// Texts of the enemy editor's fixed lists; the entry index is the stored value.
constexpr std::size_t kItemFrequencyCount = 8;
constexpr std::size_t kEnemyTypeCount = 3;
constexpr std::size_t kDeathSoundCount = 2;
constexpr std::size_t kActionOrderCount = 4;

extern const char* const ItemFrequencyNames[kItemFrequencyCount];
extern const char* const EnemyTypeNames[kEnemyTypeCount];
extern const char* const DeathSoundNames[kDeathSoundCount];
extern const char* const ActionOrderNames[kActionOrderCount];

// "<name> - [<enemy number>]", as the enemy lists show an enemy.
std::string EnemyListEntry(const EnemyRecord& enemy);
void AppendEnemyListEntry(const EnemyRecord& enemy, std::string& shown);
