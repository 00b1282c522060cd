#pragma once

#include <string>

#include "core/enemy/enemy_record.h"
#include "core/tables/table_position.h"

// The enemy editor's boxes, one record both ways: showing an enemy fills it, and an apply
// reads it back as the window found its controls. Texts are as shown or typed, read whole
// (an apply keeps at most 24 characters of each); selections are list entry indexes,
// kNoSelection for none.

// Which list fills an argument box: nothing, the PSI argument names, the enemy list or the
// item list, each in its list order.
enum class ArgumentList { None, PsiArguments, Enemies, Items };

struct ArgumentBox {
  ArgumentList list = ArgumentList::None;  // filled by showing; an apply reads only the selection
  int selection = kNoSelection;
};

struct EnemyBoxes {
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
  ArgumentBox arguments[kEnemyActionCount];
};
