#pragma once

#include <cstddef>
#include <cstdio>

#include "core/enemy/enemy_boxes.h"
#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"
#include "core/tables/list_order.h"

struct EnemyApplyResult {
  std::size_t position;  // where the enemy stands after the re-sort
  bool written;          // every byte reached the file and was flushed
};

// The "Warning" for the first number box that holds no number or one outside its field's
// range; empty when the boxes can be applied.
std::string EnemyBoxesProblem(const EnemyBoxes& boxes);

// Writes every field of the enemy at position from the boxes, in the editor's fixed order,
// then re-sorts the table by order. A list without a selection writes the stored value back,
// so an untouched enemy keeps its bytes. An empty argument box writes 0, unless its action is
// unchanged and its list cannot show the stored argument. An untouched name is not written.
EnemyApplyResult ApplyEnemy(std::FILE* romFile, EnemyTable& enemies, const ItemTable& items, std::size_t position,
                            const EnemyBoxes& boxes, ListOrder order);
