#include "core/enemy/apply_enemy.h"

#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_fields.h"
#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_view.h"
#include "core/numbers/number_boxes.h"
#include "core/numbers/read_number.h"
#include "core/rom/rom_session.h"
#include "core/text/edit_text.h"

namespace {

constexpr std::uint32_t kMaxWord = 0xFFFF;
constexpr std::uint32_t kMaxLong = 0xFFFFFFFF;
constexpr std::uint32_t kMaxByte = 0xFF;

// The selected entry's index, or the stored value when the list shows none.
std::uint32_t Chosen(int selection, std::uint32_t stored) {
  return selection < 0 ? stored : static_cast<std::uint32_t>(selection);
}

std::uint32_t ArgumentToWrite(ActionArgumentKind kind, int selection, std::uint8_t stored, bool actionKept,
                              const EnemyTable& enemies, const ItemTable& items) {
  // An empty box means none, except where the stored action's list could not show the stored
  // value: that value is kept, unseen, only while the action stays.
  if (selection < 0) {
    const bool unshowable = ViewArgument(kind, stored, enemies, items).selection == kNoSelection;
    return actionKept && unshowable ? stored : 0;
  }
  const auto entry = static_cast<std::size_t>(selection);
  switch (kind) {
    case ActionArgumentKind::Psi:
      return entry < kPsiArgumentCount ? entry + 1 : stored;
    case ActionArgumentKind::Enemy:
      return entry < enemies.size() ? enemies[entry].enemyNumber + 1u : stored;
    case ActionArgumentKind::Item:
      return entry < items.size() ? items[entry].itemNumber : stored;
    case ActionArgumentKind::None:
      break;
  }
  return stored;
}

bool WriteStats(std::FILE* rom, EnemyRecord& enemy, const ItemTable& items, const EnemyBoxes& boxes) {
  bool ok = WriteEnemyHp(enemy, rom, ReadNumberClamped(boxes.hp, kMaxWord));
  ok &= WriteEnemyPp(enemy, rom, ReadNumberClamped(boxes.pp, kMaxWord));
  ok &= WriteEnemyExperience(enemy, rom, ReadNumberClamped(boxes.experience, kMaxLong));
  ok &= WriteEnemyMoney(enemy, rom, ReadNumberClamped(boxes.money, kMaxWord));
  ok &= WriteEnemySpeed(enemy, rom, ReadNumberClamped(boxes.speed, kMaxByte));
  ok &= WriteEnemyOffense(enemy, rom, ReadNumberClamped(boxes.offense, kMaxByte));
  ok &= WriteEnemyDefense(enemy, rom, ReadNumberClamped(boxes.defense, kMaxByte));
  ok &= WriteEnemyStatus(enemy, rom, ReadNumberClamped(boxes.status, kMaxByte));
  ok &= WriteEnemyLevel(enemy, rom, ReadNumberClamped(boxes.level, kMaxByte));
  ok &= WriteEnemyGuts(enemy, rom, ReadNumberClamped(boxes.guts, kMaxByte));
  ok &= WriteEnemyIq(enemy, rom, ReadNumberClamped(boxes.iq, kMaxByte));
  ok &= WriteEnemyMovement(enemy, rom, ReadNumberClamped(boxes.movement, kMaxByte));
  const bool itemChosen = boxes.item >= 0 && static_cast<std::size_t>(boxes.item) < items.size();
  ok &= WriteEnemyItem(enemy, rom, itemChosen ? items[boxes.item].itemNumber : enemy.item);
  ok &= WriteEnemyItemFrequency(enemy, rom, Chosen(boxes.itemFrequency, enemy.itemFrequency));
  ok &= WriteEnemyTheFlag(enemy, rom, boxes.theFlag ? 1 : 0);
  ok &= WriteEnemyPalette(enemy, rom, ReadNumberClamped(boxes.palette, kMaxByte));
  ok &= WriteEnemyBattleSprite(enemy, rom, ReadNumberClamped(boxes.battleSprite, kMaxByte));
  ok &= WriteEnemyOutsidePicture(enemy, rom, Chosen(boxes.outsidePicture, enemy.outsidePicture));
  ok &= WriteEnemyMissRate(enemy, rom, ReadNumberClamped(boxes.missRate, kMaxByte));
  ok &= WriteEnemyDeathSound(enemy, rom, Chosen(boxes.deathSound, enemy.deathSound));
  ok &= WriteEnemyType(enemy, rom, Chosen(boxes.type, enemy.type));
  ok &= WriteEnemyMusic(enemy, rom, Chosen(boxes.music, enemy.music));
  return ok;
}

bool WriteActions(std::FILE* rom, EnemyRecord& enemy, const EnemyTable& enemies, const ItemTable& items,
                  const EnemyBoxes& boxes) {
  bool ok = true;
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    const std::uint32_t action = Chosen(boxes.actions[k], enemy.actions[k]);
    const bool actionKept = action == enemy.actions[k];
    ok &= WriteEnemyAction(enemy, rom, k, action);
    const ActionArgumentKind kind = ArgumentKindOf(enemy.actions[k]);
    if (kind == ActionArgumentKind::None) continue;
    ok &= WriteEnemyArgument(
        enemy, rom, k, ArgumentToWrite(kind, boxes.arguments[k].selection, enemy.arguments[k], actionKept, enemies, items));
  }
  return ok;
}

bool WriteTexts(std::FILE* rom, EnemyRecord& enemy, const EnemyBoxes& boxes) {
  bool ok = WriteEnemyFinalAction(enemy, rom, Chosen(boxes.finalAction, enemy.finalAction));
  ok &= WriteEnemyActionOrder(enemy, rom, Chosen(boxes.actionOrder, enemy.actionOrder));
  ok &= WriteEnemyMaxCall(enemy, rom, ReadNumberClamped(boxes.maxCall, kMaxByte));
  ok &= WriteEnemyStartTextAddress(enemy, rom, ReadDecOrHex(boxes.startText));
  ok &= WriteEnemyDeathTextAddress(enemy, rom, ReadDecOrHex(boxes.deathText));
  if (!IsShownName(boxes.name, enemy.name)) ok &= WriteEnemyName(enemy, rom, EditText(boxes.name));
  return ok;
}

}  // namespace

std::string EnemyBoxesProblem(const EnemyBoxes& boxes) {
  constexpr NumberForm kCount = NumberForm::Decimal;
  constexpr NumberForm kAddress = NumberForm::DecimalOrHex;
  return NumberBoxesProblem({{"HP", boxes.hp, kCount, UnsignedRange(2)},
                             {"PP", boxes.pp, kCount, UnsignedRange(2)},
                             {"Exp", boxes.experience, kCount, UnsignedRange(4)},
                             {"Money", boxes.money, kCount, UnsignedRange(2)},
                             {"Speed", boxes.speed, kCount, UnsignedRange(1)},
                             {"Offense", boxes.offense, kCount, UnsignedRange(1)},
                             {"Defense", boxes.defense, kCount, UnsignedRange(1)},
                             {"Status", boxes.status, kCount, UnsignedRange(1)},
                             {"Level", boxes.level, kCount, UnsignedRange(1)},
                             {"Guts", boxes.guts, kCount, UnsignedRange(1)},
                             {"IQ", boxes.iq, kCount, UnsignedRange(1)},
                             {"Miss rate", boxes.missRate, kCount, UnsignedRange(1)},
                             {"Start text", boxes.startText, kAddress, UnsignedRange(4)},
                             {"Death text", boxes.deathText, kAddress, UnsignedRange(4)},
                             {"Max call", boxes.maxCall, kCount, UnsignedRange(1)},
                             {"Movement", boxes.movement, kCount, UnsignedRange(1)},
                             {"Battle sprite", boxes.battleSprite, kCount, UnsignedRange(1)},
                             {"Palette", boxes.palette, kCount, UnsignedRange(1)}});
}

EnemyApplyResult ApplyEnemy(std::FILE* romFile, EnemyTable& enemies, const ItemTable& items, std::size_t position,
                            const EnemyBoxes& boxes, ListOrder order) {
  EnemyRecord& enemy = enemies[position];
  bool written = WriteStats(romFile, enemy, items, boxes);
  written &= WriteActions(romFile, enemy, enemies, items, boxes);
  written &= WriteTexts(romFile, enemy, boxes);
  written &= FlushRom(romFile);

  const std::uint8_t enemyNumber = enemy.enemyNumber;
  SortEnemies(enemies, order);
  return {static_cast<std::size_t>(EnemyPosition(enemies, enemyNumber)), written};
}
