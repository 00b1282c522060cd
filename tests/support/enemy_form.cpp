#include "tests/support/enemy_form.h"

EnemyForm EnemyFormOf(const EnemyView& view) {
  EnemyForm form;
  form.name = view.name;
  form.hp = view.hp;
  form.pp = view.pp;
  form.experience = view.experience;
  form.money = view.money;
  form.speed = view.speed;
  form.palette = view.palette;
  form.offense = view.offense;
  form.defense = view.defense;
  form.status = view.status;
  form.level = view.level;
  form.guts = view.guts;
  form.iq = view.iq;
  form.battleSprite = view.battleSprite;
  form.movement = view.movement;
  form.missRate = view.missRate;
  form.maxCall = view.maxCall;
  form.startText = view.startText;
  form.deathText = view.deathText;
  form.theFlag = view.theFlag;
  form.item = view.item;
  form.itemFrequency = view.itemFrequency;
  form.deathSound = view.deathSound;
  form.type = view.type;
  form.music = view.music;
  form.actionOrder = view.actionOrder;
  form.finalAction = view.finalAction;
  form.outsidePicture = view.outsidePicture;
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    form.actions[k] = view.actions[k];
    form.arguments[k] = view.arguments[k].selection;
  }
  return form;
}
