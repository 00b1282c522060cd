#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_list_texts.h"
#include "core/enemy/enemy_table.h"
#include "core/item/item_list_texts.h"
#include "core/numbers/show_number.h"
#include "core/tables/field_readers.h"
#include "core/tables/shown_from_bytes.h"
#include "core/tables/table_fields.h"

namespace {

namespace at = EnemyFieldOffset;

const EnemyRecord& Enemy(const GameTables& tables, std::size_t record) {
  return tables.enemyTable[record];
}

void Name(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendGameText(Enemy(tables, record).name, kNameFieldLength, shown);
}

template <auto kMember>
void Number(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendUnsigned(Enemy(tables, record).*kMember, shown);
}

template <auto kMember>
void Address(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendHex(Enemy(tables, record).*kMember, shown);
}

template <auto kMember, const auto& kNames>
void Choice(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendEntry(kNames, Enemy(tables, record).*kMember, shown);
}

void Item(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendItemListEntry(tables.itemTable[Enemy(tables, record).item], shown);
}

const char* TheFlagShown(std::uint32_t flag) {
  return flag != 0 ? "'The' flag" : "none";
}

void TheFlag(const GameTables& tables, std::size_t record, std::string& shown) {
  shown += TheFlagShown(Enemy(tables, record).theFlag);
}

void AppendTheFlagOfBytes(const TableField& field, const std::uint8_t* record, std::string& shown) {
  shown += TheFlagShown(FieldValue(field, record));
}

bool IsTheFlagOfBytesIn(std::string_view cell, const TableField& field, const std::uint8_t* record) {
  return cell == TheFlagShown(FieldValue(field, record));
}

const ShownFromBytes kTheFlagFromBytes{AppendTheFlagOfBytes, IsTheFlagOfBytesIn};

template <std::size_t kAction>
void Action(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendEntry(ActionNames, Enemy(tables, record).actions[kAction], shown);
}

// What the argument box shows depends on the action beside it.
template <std::size_t kAction>
void Argument(const GameTables& tables, std::size_t record, std::string& shown) {
  const EnemyRecord& enemy = Enemy(tables, record);
  const std::uint32_t argument = enemy.arguments[kAction];
  if (argument == 0) return;
  switch (ArgumentKindOf(enemy.actions[kAction])) {
    case ActionArgumentKind::Psi:
      AppendEntry(PsiArgumentNames, argument - 1, shown);
      break;
    case ActionArgumentKind::Enemy:
      if (argument - 1 < kEnemyCount) AppendEnemyListEntry(tables.enemyTable[argument - 1], shown);
      break;
    case ActionArgumentKind::Item:
      AppendItemListEntry(tables.itemTable[argument], shown);
      break;
    case ActionArgumentKind::None:
      break;
  }
}

std::string ReadTheFlag(const std::string& text, const TableField& field, const FieldTarget& target) {
  if (text != "'The' flag" && text != "none") return "\"" + text + "\" is neither \"'The' flag\" nor \"none\"";
  StoreFieldValue(field, target.record, text == "none" ? 0 : 1);
  return "";
}

// An item as the item lists show it, stored as its number.
std::string ReadItem(const std::string& text, const TableField& field, const FieldTarget& target) {
  const ItemTable& items = target.tables.itemTable;
  const std::size_t item =
      EntryShowing(text, items.size(), [&](std::size_t i) { return ItemListEntry(items[i]); });
  if (item == items.size()) return NotAnEntryProblem(text, field);
  StoreFieldValue(field, target.record, items[item].itemNumber);
  return "";
}

// The value an argument text stands for under the action now in the record; false when the
// action's list has no such entry. An empty text means none.
bool ArgumentValue(const std::string& text, ActionArgumentKind kind, const GameTables& tables, std::uint32_t& value) {
  value = 0;
  if (text.empty()) return true;
  std::size_t index = 0;
  std::size_t count = 0;
  switch (kind) {
    case ActionArgumentKind::Psi:
      count = kPsiArgumentCount;
      index = EntryShowing(text, count, [](std::size_t i) { return std::string(PsiArgumentNames[i]); });
      value = static_cast<std::uint32_t>(index + 1);
      break;
    case ActionArgumentKind::Enemy:
      count = tables.enemyTable.size();
      index = EntryShowing(text, count, [&](std::size_t i) { return EnemyListEntry(tables.enemyTable[i]); });
      value = static_cast<std::uint32_t>(index + 1);
      break;
    case ActionArgumentKind::Item:
      count = tables.itemTable.size();
      index = EntryShowing(text, count, [&](std::size_t i) { return ItemListEntry(tables.itemTable[i]); });
      value = static_cast<std::uint32_t>(index);
      break;
    case ActionArgumentKind::None:
      break;
  }
  return index < count;
}

// An action that takes no argument leaves its argument byte alone, as the editor does.
template <std::size_t kAction>
std::string ReadArgument(const std::string& text, const TableField& field, const FieldTarget& target) {
  const std::uint8_t* action = target.record + at::kActions + 2 * kAction;
  const ActionArgumentKind kind = ArgumentKindOf(action[0] | action[1] << 8);
  if (kind == ActionArgumentKind::None) return "";
  std::uint32_t value = 0;
  if (!ArgumentValue(text, kind, target.tables, value)) return NotAnEntryProblem(text, field);
  StoreFieldValue(field, target.record, value);
  return "";
}

template <auto kMember>
TableField NumberField(const char* label, std::uint32_t offset, std::uint32_t width) {
  return {label, offset, width, kAllBits, Number<kMember>, ReadUnsignedField, {}, &kUnsignedFromBytes};
}

template <auto kMember>
TableField AddressField(const char* label, std::uint32_t offset) {
  return {label, offset, 4, kAllBits, Address<kMember>, ReadAddressField, {}, &kHexFromBytes};
}

template <auto kMember, const auto& kNames>
TableField ChoiceField(const char* label, std::uint32_t offset, std::uint32_t width) {
  return {label, offset, width, kAllBits, Choice<kMember, kNames>, ReadChoiceField<kNames>, {},
          &kChoiceFromBytes<kNames>};
}

template <std::size_t kAction>
TableField ActionField() {
  static const std::string label = "Action " + std::to_string(kAction + 1);
  return {label.c_str(), at::kActions + 2 * kAction, 2, kAllBits, Action<kAction>, ReadChoiceField<ActionNames>, {},
          &kChoiceFromBytes<ActionNames>};
}

template <std::size_t kAction>
TableField ArgumentField() {
  static const std::string label = "Argument " + std::to_string(kAction + 1);
  return {label.c_str(), at::kArguments + kAction, 1, kAllBits, Argument<kAction>, ReadArgument<kAction>,
          {at::kActions + 2 * kAction, 2}};
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
              {"Name", at::kName, kNameFieldLength, kAllBits, Name, ReadTextField},
              NumberField<&EnemyRecord::hp>("HP", at::kHp, 2),
              NumberField<&EnemyRecord::pp>("PP", at::kPp, 2),
              NumberField<&EnemyRecord::experience>("Exp", at::kExperience, 4),
              NumberField<&EnemyRecord::money>("Money", at::kMoney, 2),
              NumberField<&EnemyRecord::speed>("Speed", at::kSpeed, 1),
              NumberField<&EnemyRecord::offense>("Offense", at::kOffense, 1),
              NumberField<&EnemyRecord::defense>("Defense", at::kDefense, 1),
              NumberField<&EnemyRecord::status>("Status", at::kStatus, 1),
              NumberField<&EnemyRecord::level>("Level", at::kLevel, 1),
              NumberField<&EnemyRecord::guts>("Guts", at::kGuts, 1),
              NumberField<&EnemyRecord::iq>("IQ", at::kIq, 1),
              {"'The' flag", at::kTheFlag, 1, kAllBits, TheFlag, ReadTheFlag, {}, &kTheFlagFromBytes},
              {"Item", at::kItem, 1, kAllBits, Item, ReadItem},
              ChoiceField<&EnemyRecord::itemFrequency, ItemFrequencyNames>("Item freq.", at::kItemFrequency, 1),
              NumberField<&EnemyRecord::missRate>("Miss rate", at::kMissRate, 1),
              ChoiceField<&EnemyRecord::type, EnemyTypeNames>("Type", at::kType, 1),
              // The actions tab.
              ActionField<0>(),
              ArgumentField<0>(),
              ActionField<1>(),
              ArgumentField<1>(),
              ActionField<2>(),
              ArgumentField<2>(),
              ActionField<3>(),
              ArgumentField<3>(),
              ChoiceField<&EnemyRecord::actionOrder, ActionOrderNames>("Order", at::kActionOrder, 1),
              ChoiceField<&EnemyRecord::finalAction, ActionNames>("Final action", at::kFinalAction, 2),
              AddressField<&EnemyRecord::startTextAddress>("Start text", at::kStartTextAddress),
              AddressField<&EnemyRecord::deathTextAddress>("Death text", at::kDeathTextAddress),
              NumberField<&EnemyRecord::maxCall>("Max call", at::kMaxCall, 1),
              // The graphics and sound tab. The outside picture list shows pictures, not
              // texts, so its number stands for the entry.
              NumberField<&EnemyRecord::outsidePicture>("Outside pic", at::kOutsidePicture, 2),
              NumberField<&EnemyRecord::battleSprite>("Battle sprite", at::kBattleSprite, 1),
              NumberField<&EnemyRecord::palette>("Palette", at::kPalette, 1),
              ChoiceField<&EnemyRecord::deathSound, DeathSoundNames>("Death Sound", at::kDeathSound, 1),
              ChoiceField<&EnemyRecord::music, MusicNames>("Music", at::kMusic, 1),
              NumberField<&EnemyRecord::movement>("Movement", at::kMovement, 1),
          },
          {ItemTableFields}};
}

}  // namespace

const KnownTable& EnemyTableFields() {
  static const KnownTable table = Describe();
  return table;
}
