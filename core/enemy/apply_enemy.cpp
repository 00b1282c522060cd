#include "core/enemy/apply_enemy.h"

#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_field_writers.h"
#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_view.h"
#include "core/numbers/read_number.h"
#include "core/text/edit_text.h"

namespace {

constexpr std::uint32_t kMaxWord = 0xFFFF;
constexpr std::uint32_t kMaxLong = 0xFFFFFFFF;
constexpr std::uint32_t kMaxByte = 0xFF;

// The selected entry's index, or the stored value when the list shows none.
std::uint32_t Chosen(int selection, std::uint32_t stored) {
  return selection < 0 ? stored : static_cast<std::uint32_t>(selection);
}

std::uint32_t ArgumentToWrite(ActionArgumentKind kind, int selection, std::uint8_t stored, const EnemyTable& enemies,
                              const ItemTable& items) {
  // A box the user emptied means none; one that could not show its stored value keeps it.
  if (selection < 0) return ViewArgument(kind, stored, enemies, items).selection == kNoSelection ? stored : 0;
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

bool WriteStats(std::FILE* rom, EnemyRecord& enemy, const ItemTable& items, const EnemyForm& form) {
  bool ok = WriteEnemyHp(enemy, rom, ReadNumberClamped(form.hp, kMaxWord));
  ok &= WriteEnemyPp(enemy, rom, ReadNumberClamped(form.pp, kMaxWord));
  ok &= WriteEnemyExperience(enemy, rom, ReadNumberClamped(form.experience, kMaxLong));
  ok &= WriteEnemyMoney(enemy, rom, ReadNumberClamped(form.money, kMaxWord));
  ok &= WriteEnemySpeed(enemy, rom, ReadNumberClamped(form.speed, kMaxByte));
  ok &= WriteEnemyOffense(enemy, rom, ReadNumberClamped(form.offense, kMaxByte));
  ok &= WriteEnemyDefense(enemy, rom, ReadNumberClamped(form.defense, kMaxByte));
  ok &= WriteEnemyStatus(enemy, rom, ReadNumberClamped(form.status, kMaxByte));
  ok &= WriteEnemyLevel(enemy, rom, ReadNumberClamped(form.level, kMaxByte));
  ok &= WriteEnemyGuts(enemy, rom, ReadNumberClamped(form.guts, kMaxByte));
  ok &= WriteEnemyIq(enemy, rom, ReadNumberClamped(form.iq, kMaxByte));
  ok &= WriteEnemyMovement(enemy, rom, ReadNumberClamped(form.movement, kMaxByte));
  const bool itemChosen = form.item >= 0 && static_cast<std::size_t>(form.item) < items.size();
  ok &= WriteEnemyItem(enemy, rom, itemChosen ? items[form.item].itemNumber : enemy.item);
  ok &= WriteEnemyItemFrequency(enemy, rom, Chosen(form.itemFrequency, enemy.itemFrequency));
  ok &= WriteEnemyTheFlag(enemy, rom, form.theFlag ? 1 : 0);
  ok &= WriteEnemyPalette(enemy, rom, ReadNumberClamped(form.palette, kMaxByte));
  ok &= WriteEnemyBattleSprite(enemy, rom, ReadNumberClamped(form.battleSprite, kMaxByte));
  ok &= WriteEnemyOutsidePicture(enemy, rom, Chosen(form.outsidePicture, enemy.outsidePicture));
  ok &= WriteEnemyMissRate(enemy, rom, ReadNumberClamped(form.missRate, kMaxByte));
  ok &= WriteEnemyDeathSound(enemy, rom, Chosen(form.deathSound, enemy.deathSound));
  ok &= WriteEnemyType(enemy, rom, Chosen(form.type, enemy.type));
  ok &= WriteEnemyMusic(enemy, rom, Chosen(form.music, enemy.music));
  return ok;
}

bool WriteActions(std::FILE* rom, EnemyRecord& enemy, const EnemyTable& enemies, const ItemTable& items,
                  const EnemyForm& form) {
  bool ok = true;
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    ok &= WriteEnemyAction(enemy, rom, k, Chosen(form.actions[k], enemy.actions[k]));
    const ActionArgumentKind kind = ArgumentKindOf(enemy.actions[k]);
    if (kind == ActionArgumentKind::None) continue;
    ok &= WriteEnemyArgument(enemy, rom, k,
                             ArgumentToWrite(kind, form.arguments[k], enemy.arguments[k], enemies, items));
  }
  return ok;
}

bool WriteTexts(std::FILE* rom, EnemyRecord& enemy, const EnemyForm& form) {
  bool ok = WriteEnemyFinalAction(enemy, rom, Chosen(form.finalAction, enemy.finalAction));
  ok &= WriteEnemyActionOrder(enemy, rom, Chosen(form.actionOrder, enemy.actionOrder));
  ok &= WriteEnemyMaxCall(enemy, rom, ReadNumberClamped(form.maxCall, kMaxByte));
  ok &= WriteEnemyStartTextAddress(enemy, rom, ReadDecOrHex(form.startText));
  ok &= WriteEnemyDeathTextAddress(enemy, rom, ReadDecOrHex(form.deathText));
  ok &= WriteEnemyName(enemy, rom, EditText(form.name));
  return ok;
}

}  // namespace

EnemyApplyResult ApplyEnemy(std::FILE* romFile, EnemyTable& enemies, const ItemTable& items, std::size_t position,
                            const EnemyForm& form, ListOrder order) {
  EnemyRecord& enemy = enemies[position];
  bool written = WriteStats(romFile, enemy, items, form);
  written &= WriteActions(romFile, enemy, enemies, items, form);
  written &= WriteTexts(romFile, enemy, form);
  written &= FlushRom(romFile);

  const std::uint8_t enemyNumber = enemy.enemyNumber;
  SortEnemies(enemies, order);
  return {static_cast<std::size_t>(EnemyPosition(enemies, enemyNumber)), written};
}
