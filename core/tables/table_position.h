#pragma once

#include <cstddef>
#include <cstdint>

#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"

// A list shows no entry for a stored value outside it.
constexpr int kNoSelection = -1;

// Position in the table (and so in its list) of an enemy or item number, or kNoSelection.
int EnemyPosition(const EnemyTable& enemies, std::uint32_t enemyNumber);
int ItemPosition(const ItemTable& items, std::uint32_t itemNumber);

// Position of the record of recordSize bytes that holds the file byte at offset, or
// kNoSelection when none does.
template <typename Table>
int PositionHolding(const Table& table, std::uint32_t offset, std::uint32_t recordSize) {
  for (std::size_t p = 0; p < table.size(); ++p) {
    if (offset >= table[p].fileOffset && offset - table[p].fileOffset < recordSize) return static_cast<int>(p);
  }
  return kNoSelection;
}
