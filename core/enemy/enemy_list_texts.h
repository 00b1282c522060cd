#pragma once

#include <cstddef>
#include <string>

#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"

// Texts of the enemy editor's fixed lists; the entry index is the stored value.
constexpr std::size_t kItemFrequencyCount = 8;
constexpr std::size_t kEnemyTypeCount = 3;
constexpr std::size_t kDeathSoundCount = 2;
constexpr std::size_t kActionOrderCount = 4;

extern const char* const ItemFrequencyNames[kItemFrequencyCount];
extern const char* const EnemyTypeNames[kEnemyTypeCount];
extern const char* const DeathSoundNames[kDeathSoundCount];
extern const char* const ActionOrderNames[kActionOrderCount];

// "<name> - [<number>]", as the enemy and item lists show an entry.
std::string EnemyListEntry(const EnemyRecord& enemy);
std::string ItemListEntry(const ItemRecord& item);
