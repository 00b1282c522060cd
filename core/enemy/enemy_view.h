#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"
#include "core/tables/table_position.h"

// What the enemy editor's controls show for one enemy. Selections are list entry indexes;
// kNoSelection where the stored value has no entry in its list.

// Which list fills an argument box: nothing, the PSI argument names, the enemy list or the
// item list, each in its list order.
enum class ArgumentList { None, PsiArguments, Enemies, Items };

struct ArgumentView {
  ArgumentList list = ArgumentList::None;
  int selection = kNoSelection;
};

struct EnemyView {
  std::string name;
  std::string hp, pp, experience, money, speed, palette, offense, defense, status, level, guts, iq;
  std::string battleSprite, movement, missRate, maxCall;
  std::string startText, deathText;
  bool theFlag = false;
  int item = kNoSelection;
  int itemFrequency = kNoSelection;
  int deathSound = kNoSelection;
  int type = kNoSelection;
  int music = kNoSelection;
  int actionOrder = kNoSelection;
  int finalAction = kNoSelection;
  int outsidePicture = kNoSelection;
  int actions[kEnemyActionCount] = {kNoSelection, kNoSelection, kNoSelection, kNoSelection};
  ArgumentView arguments[kEnemyActionCount];
};

EnemyView ViewEnemy(const EnemyRecord& enemy, const EnemyTable& enemies, const ItemTable& items);

// An argument box for an action of the given kind holding the stored argument.
ArgumentView ViewArgument(ActionArgumentKind kind, std::uint8_t argument, const EnemyTable& enemies,
                          const ItemTable& items);
// The same when the user has just chosen the action: an item argument that names no item
// starts on the item list's first entry.
ArgumentView ViewArgumentOfChosenAction(ActionArgumentKind kind, std::uint8_t argument, const EnemyTable& enemies,
                                        const ItemTable& items);
