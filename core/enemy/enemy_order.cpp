#include "core/enemy/enemy_order.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "core/text/name_key.h"

namespace {

using Positions = std::array<std::size_t, kEnemyCount>;

// Moves the record now at wanted[p] to position p, for every p, through exchanges.
void Arrange(EnemyTable& table, const Positions& wanted) {
  Positions where;   // current position of the record that started at a position
  Positions holder;  // starting position of the record now at a position
  std::iota(where.begin(), where.end(), std::size_t{0});
  std::iota(holder.begin(), holder.end(), std::size_t{0});
  for (std::size_t p = 0; p < kEnemyCount; ++p) {
    const std::size_t from = where[wanted[p]];
    if (from == p) continue;
    ExchangeEnemyRecords(table, p, from);
    const std::size_t displaced = holder[p];
    holder[from] = displaced;
    where[displaced] = from;
    holder[p] = wanted[p];
    where[wanted[p]] = p;
  }
}

// Enemy numbers are unique in a loaded table, so every key below is a total order and a
// sort of positions gives exactly what the selection sort over records gives.
template <typename Less>
void SortPositions(EnemyTable& table, Less less) {
  Positions wanted;
  std::iota(wanted.begin(), wanted.end(), std::size_t{0});
  std::stable_sort(wanted.begin(), wanted.end(), less);
  Arrange(table, wanted);
}

}  // namespace

void ExchangeEnemyRecords(EnemyTable& table, std::size_t first, std::size_t second) {
  std::swap(table[first], table[second]);
}

void SortEnemiesByName(EnemyTable& table) {
  std::array<NameKey, kEnemyCount> keys;
  for (std::size_t p = 0; p < kEnemyCount; ++p) keys[p] = NameKeyOf(table[p].name);
  SortPositions(table, [&](std::size_t a, std::size_t b) {
    const int order = CompareNameKeys(keys[a], keys[b]);
    return order != 0 ? order < 0 : table[a].enemyNumber < table[b].enemyNumber;
  });
}

void SortEnemiesByGameOrder(EnemyTable& table) {
  // Enemy numbers run to 255 in memory; any the game order lacks go last.
  std::array<std::size_t, 256> rank;
  rank.fill(kEnemyCount);
  for (std::size_t i = 0; i < kEnemyCount; ++i) rank[EnemyGameOrder[i]] = i;
  SortPositions(table, [&](std::size_t a, std::size_t b) {
    return rank[table[a].enemyNumber] < rank[table[b].enemyNumber];
  });
}

void SortEnemiesByNumber(EnemyTable& table) {
  SortPositions(table, [&](std::size_t a, std::size_t b) { return table[a].enemyNumber < table[b].enemyNumber; });
}

void SortEnemies(EnemyTable& table, ListOrder order) {
  switch (order) {
    case ListOrder::ByGameOrder:
      SortEnemiesByGameOrder(table);
      break;
    case ListOrder::Original:
      SortEnemiesByNumber(table);
      break;
    default:
      SortEnemiesByName(table);
      break;
  }
}
