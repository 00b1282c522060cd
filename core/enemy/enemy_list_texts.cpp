#include "core/enemy/enemy_list_texts.h"

#include "core/tables/list_entry.h"

const char* const ItemFrequencyNames[kItemFrequencyCount] = {"1/128",  "2/128",  "4/128",  "8/128",
                                                             "16/128", "32/128", "64/128", "128/128"};
const char* const EnemyTypeNames[kEnemyTypeCount] = {"Normal", "Insect", "Metal"};
const char* const DeathSoundNames[kDeathSoundCount] = {"Normal", "Boss"};
const char* const ActionOrderNames[kActionOrderCount] = {"Random", "Random, favour third", "In order", "Staggered"};

std::string EnemyListEntry(const EnemyRecord& enemy) {
  return ListEntryText(enemy.name, enemy.enemyNumber);
}

void AppendEnemyListEntry(const EnemyRecord& enemy, std::string& shown) {
  AppendListEntry(enemy.name, enemy.enemyNumber, shown);
}
