#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"
#include "core/tables/list_order.h"

// The enemy editor's controls as read for an apply: edit texts as typed (the window reads
// at most 24 characters), list selections as entry indexes or -1 for none.
struct EnemyForm {
  std::string name;
  std::string hp, pp, experience, money, speed, palette, offense, defense, status, level, guts, iq;
  std::string battleSprite, movement, missRate, maxCall;
  std::string startText, deathText;
  bool theFlag = false;
  int item = -1;
  int itemFrequency = -1;
  int deathSound = -1;
  int type = -1;
  int music = -1;
  int actionOrder = -1;
  int finalAction = -1;
  int outsidePicture = -1;
  int actions[kEnemyActionCount] = {-1, -1, -1, -1};
  int arguments[kEnemyActionCount] = {-1, -1, -1, -1};
};

struct EnemyApplyResult {
  std::size_t position;  // where the enemy stands after the re-sort
  bool written;          // every byte reached the file and was flushed
};

// Writes every field of the enemy at position from the form, in the editor's fixed order,
// then re-sorts the table by order. A list without a selection writes the stored value back,
// so an untouched enemy keeps its bytes; only an argument box emptied by the user writes 0.
EnemyApplyResult ApplyEnemy(std::FILE* romFile, EnemyTable& enemies, const ItemTable& items, std::size_t position,
                            const EnemyForm& form, ListOrder order);
