#include <iterator>

#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_list_texts.h"
#include "core/enemy/enemy_table.h"
#include "core/item/item_list_texts.h"
#include "core/numbers/show_number.h"
#include "core/tables/table_fields.h"

namespace {

namespace at = EnemyFieldOffset;

const EnemyRecord& Enemy(const GameTables& tables, std::size_t record) {
  return tables.enemyTable[record];
}

std::string Name(const GameTables& tables, std::size_t record) {
  return GameText(Enemy(tables, record).name, kNameFieldLength);
}

template <auto kMember>
std::string Number(const GameTables& tables, std::size_t record) {
  return ShowUnsigned(Enemy(tables, record).*kMember);
}

template <auto kMember>
std::string Address(const GameTables& tables, std::size_t record) {
  return ShowHex(Enemy(tables, record).*kMember);
}

// A stored value the list lacks selects no entry, so it shows empty.
template <typename Names>
std::string Entry(const Names& names, std::uint32_t value) {
  return value < std::size(names) ? names[value] : "";
}

template <auto kMember, const auto& kNames>
std::string Choice(const GameTables& tables, std::size_t record) {
  return Entry(kNames, Enemy(tables, record).*kMember);
}

std::string Item(const GameTables& tables, std::size_t record) {
  return ItemListEntry(tables.itemTable[Enemy(tables, record).item]);
}

std::string TheFlag(const GameTables& tables, std::size_t record) {
  return Enemy(tables, record).theFlag != 0 ? "'The' flag" : "none";
}

template <std::size_t kAction>
std::string Action(const GameTables& tables, std::size_t record) {
  return Entry(ActionNames, Enemy(tables, record).actions[kAction]);
}

// What the argument box shows depends on the action beside it.
template <std::size_t kAction>
std::string Argument(const GameTables& tables, std::size_t record) {
  const EnemyRecord& enemy = Enemy(tables, record);
  const std::uint32_t argument = enemy.arguments[kAction];
  if (argument == 0) return "";
  switch (ArgumentKindOf(enemy.actions[kAction])) {
    case ActionArgumentKind::Psi:
      return Entry(PsiArgumentNames, argument - 1);
    case ActionArgumentKind::Enemy:
      return argument - 1 < kEnemyCount ? EnemyListEntry(tables.enemyTable[argument - 1]) : "";
    case ActionArgumentKind::Item:
      return ItemListEntry(tables.itemTable[argument]);
    case ActionArgumentKind::None:
      break;
  }
  return "";
}

template <std::size_t kAction>
TableField ActionField() {
  static const std::string label = "Action " + std::to_string(kAction + 1);
  return {label.c_str(), at::kActions + 2 * kAction, 2, kAllBits, Action<kAction>};
}

template <std::size_t kAction>
TableField ArgumentField() {
  static const std::string label = "Argument " + std::to_string(kAction + 1);
  return {label.c_str(), at::kArguments + kAction, 1, kAllBits, Argument<kAction>};
}

KnownTable Describe() {
  return {"enemy",
          kEnemyTableRomPosition,
          kEnemyRecordSize,
          kEnemyCount,
          0,
          [](const std::uint8_t* bytes, GameTables& tables) {
            DecodeEnemyTable(bytes, kEnemyTableRomPosition, tables.enemyTable);
          },
          Name,
          {
              // The stats tab.
              {"Name", at::kName, kNameFieldLength, kAllBits, Name},
              {"HP", at::kHp, 2, kAllBits, Number<&EnemyRecord::hp>},
              {"PP", at::kPp, 2, kAllBits, Number<&EnemyRecord::pp>},
              {"Exp", at::kExperience, 4, kAllBits, Number<&EnemyRecord::experience>},
              {"Money", at::kMoney, 2, kAllBits, Number<&EnemyRecord::money>},
              {"Speed", at::kSpeed, 1, kAllBits, Number<&EnemyRecord::speed>},
              {"Offense", at::kOffense, 1, kAllBits, Number<&EnemyRecord::offense>},
              {"Defense", at::kDefense, 1, kAllBits, Number<&EnemyRecord::defense>},
              {"Status", at::kStatus, 1, kAllBits, Number<&EnemyRecord::status>},
              {"Level", at::kLevel, 1, kAllBits, Number<&EnemyRecord::level>},
              {"Guts", at::kGuts, 1, kAllBits, Number<&EnemyRecord::guts>},
              {"IQ", at::kIq, 1, kAllBits, Number<&EnemyRecord::iq>},
              {"'The' flag", at::kTheFlag, 1, kAllBits, TheFlag},
              {"Item", at::kItem, 1, kAllBits, Item},
              {"Item freq.", at::kItemFrequency, 1, kAllBits, Choice<&EnemyRecord::itemFrequency, ItemFrequencyNames>},
              {"Miss rate", at::kMissRate, 1, kAllBits, Number<&EnemyRecord::missRate>},
              {"Type", at::kType, 1, kAllBits, Choice<&EnemyRecord::type, EnemyTypeNames>},
              // The actions tab.
              ActionField<0>(),
              ArgumentField<0>(),
              ActionField<1>(),
              ArgumentField<1>(),
              ActionField<2>(),
              ArgumentField<2>(),
              ActionField<3>(),
              ArgumentField<3>(),
              {"Order", at::kActionOrder, 1, kAllBits, Choice<&EnemyRecord::actionOrder, ActionOrderNames>},
              {"Final action", at::kFinalAction, 2, kAllBits, Choice<&EnemyRecord::finalAction, ActionNames>},
              {"Start text", at::kStartTextAddress, 4, kAllBits, Address<&EnemyRecord::startTextAddress>},
              {"Death text", at::kDeathTextAddress, 4, kAllBits, Address<&EnemyRecord::deathTextAddress>},
              {"Max call", at::kMaxCall, 1, kAllBits, Number<&EnemyRecord::maxCall>},
              // The graphics and sound tab. The outside picture list shows pictures, not
              // texts, so its number stands for the entry.
              {"Outside pic", at::kOutsidePicture, 2, kAllBits, Number<&EnemyRecord::outsidePicture>},
              {"Battle sprite", at::kBattleSprite, 1, kAllBits, Number<&EnemyRecord::battleSprite>},
              {"Palette", at::kPalette, 1, kAllBits, Number<&EnemyRecord::palette>},
              {"Death Sound", at::kDeathSound, 1, kAllBits, Choice<&EnemyRecord::deathSound, DeathSoundNames>},
              {"Music", at::kMusic, 1, kAllBits, Choice<&EnemyRecord::music, MusicNames>},
              {"Movement", at::kMovement, 1, kAllBits, Number<&EnemyRecord::movement>},
          }};
}

}  // namespace

const KnownTable& EnemyTableFields() {
  static const KnownTable table = Describe();
  return table;
}
