#include "core/enemy/enemy_view.h"

#include "core/enemy/enemy_list_texts.h"
#include "core/enemy/outside_pictures.h"
#include "core/numbers/show_number.h"

namespace {

int IndexIn(std::uint32_t value, std::size_t count) {
  return value < count ? static_cast<int>(value) : kNoSelection;
}

}  // namespace

ArgumentBox ViewArgument(ActionArgumentKind kind, std::uint8_t argument, const EnemyTable& enemies,
                          const ItemTable& items) {
  switch (kind) {
    case ActionArgumentKind::Psi:
      return {ArgumentList::PsiArguments, argument == 0 ? kNoSelection : IndexIn(argument - 1u, kPsiArgumentCount)};
    case ActionArgumentKind::Enemy:
      return {ArgumentList::Enemies, argument == 0 ? kNoSelection : EnemyPosition(enemies, argument - 1u)};
    case ActionArgumentKind::Item:
      return {ArgumentList::Items, argument == 0 ? kNoSelection : ItemPosition(items, argument)};
    case ActionArgumentKind::None:
      break;
  }
  return {};
}

ArgumentBox ViewArgumentOfChosenAction(ActionArgumentKind kind, std::uint8_t argument, const EnemyTable& enemies,
                                        const ItemTable& items) {
  ArgumentBox view = ViewArgument(kind, argument, enemies, items);
  if (view.list == ArgumentList::Items && view.selection == kNoSelection) view.selection = 0;
  return view;
}

EnemyBoxes ViewEnemy(const EnemyRecord& enemy, const EnemyTable& enemies, const ItemTable& items) {
  EnemyBoxes view;
  view.name = GameText(enemy.name, kNameFieldLength);
  view.hp = ShowUnsigned(enemy.hp);
  view.pp = ShowUnsigned(enemy.pp);
  view.experience = ShowUnsigned(enemy.experience);
  view.money = ShowUnsigned(enemy.money);
  view.speed = ShowUnsigned(enemy.speed);
  view.palette = ShowUnsigned(enemy.palette);
  view.offense = ShowUnsigned(enemy.offense);
  view.defense = ShowUnsigned(enemy.defense);
  view.status = ShowUnsigned(enemy.status);
  view.level = ShowUnsigned(enemy.level);
  view.guts = ShowUnsigned(enemy.guts);
  view.iq = ShowUnsigned(enemy.iq);
  view.battleSprite = ShowUnsigned(enemy.battleSprite);
  view.movement = ShowUnsigned(enemy.movement);
  view.missRate = ShowUnsigned(enemy.missRate);
  view.maxCall = ShowUnsigned(enemy.maxCall);
  view.startText = ShowHex(enemy.startTextAddress);
  view.deathText = ShowHex(enemy.deathTextAddress);
  view.theFlag = enemy.theFlag != 0;
  view.item = ItemPosition(items, enemy.item);
  view.itemFrequency = IndexIn(enemy.itemFrequency, kItemFrequencyCount);
  view.deathSound = IndexIn(enemy.deathSound, kDeathSoundCount);
  view.type = IndexIn(enemy.type, kEnemyTypeCount);
  view.music = IndexIn(enemy.music, kMusicCount);
  view.actionOrder = IndexIn(enemy.actionOrder, kActionOrderCount);
  view.finalAction = IndexIn(enemy.finalAction, kActionCount);
  view.outsidePicture = IndexIn(enemy.outsidePicture, kOutsidePictureCount);
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    view.actions[k] = IndexIn(enemy.actions[k], kActionCount);
    view.arguments[k] = ViewArgument(ArgumentKindOf(enemy.actions[k]), enemy.arguments[k], enemies, items);
  }
  return view;
}
