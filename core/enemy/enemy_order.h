#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/enemy/enemy_record.h"
#include "core/tables/list_order.h"

// The enemies in the order the game meets them: a permutation of the enemy numbers.
extern const std::array<std::uint32_t, kEnemyCount> EnemyGameOrder;

// Swaps two whole records, file offset and enemy number included.
void ExchangeEnemyRecords(EnemyTable& table, std::size_t first, std::size_t second);

// Each result depends only on the table's contents, never on the order before.
// By upper-cased name (only a to z change), ties by enemy number.
void SortEnemiesByName(EnemyTable& table);
// Enemy number EnemyGameOrder[p] at position p.
void SortEnemiesByGameOrder(EnemyTable& table);
// Enemy number p at position p.
void SortEnemiesByNumber(EnemyTable& table);
// The sort of the given list order.
void SortEnemies(EnemyTable& table, ListOrder order);
