#include "core/tables/table_position.h"

#include <cstddef>

namespace {

template <typename Table>
int PositionOf(const Table& table, std::uint32_t number, std::uint8_t Table::value_type::*field) {
  for (std::size_t p = 0; p < table.size(); ++p) {
    if (table[p].*field == number) return static_cast<int>(p);
  }
  return kNoSelection;
}

}  // namespace

int EnemyPosition(const EnemyTable& enemies, std::uint32_t enemyNumber) {
  return PositionOf(enemies, enemyNumber, &EnemyRecord::enemyNumber);
}

int ItemPosition(const ItemTable& items, std::uint32_t itemNumber) {
  return PositionOf(items, itemNumber, &ItemRecord::itemNumber);
}
