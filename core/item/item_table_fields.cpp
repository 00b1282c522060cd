#include "core/enemy/enemy_catalogues.h"
#include "core/item/item_view.h"
#include "core/numbers/show_number.h"
#include "core/tables/table_fields.h"

namespace {

// The ownership byte holds two groups of the editor's check boxes.
constexpr std::uint8_t kOptionBits = kItemLimitedUse | kItemPermanent | kItemChicken;
constexpr std::uint8_t kUserBits = kItemNess | kItemPaula | kItemJeff | kItemPoo;

struct CheckName {
  bool ItemChecks::*check;
  const char* name;
};

const CheckName kOptions[] = {
    {&ItemChecks::infiniteUse, "Infinite Use"}, {&ItemChecks::permanent, "Permanent"}, {&ItemChecks::chicken, "Chicken"}};
const CheckName kUsers[] = {
    {&ItemChecks::ness, "Ness"}, {&ItemChecks::paula, "Paula"}, {&ItemChecks::jeff, "Jeff"}, {&ItemChecks::poo, "Poo"}};

const ItemRecord& Item(const GameTables& tables, std::size_t record) {
  return tables.itemTable[record];
}

std::string Name(const GameTables& tables, std::size_t record) {
  return GameText(Item(tables, record).name, kNameFieldLength);
}

template <auto kMember>
std::string Number(const GameTables& tables, std::size_t record) {
  return ShowUnsigned(Item(tables, record).*kMember);
}

template <auto kMember>
std::string SignedNumber(const GameTables& tables, std::size_t record) {
  return ShowSigned(Item(tables, record).*kMember);
}

std::string DescAddress(const GameTables& tables, std::size_t record) {
  return ShowHex(Item(tables, record).descAddress);
}

std::string Effect(const GameTables& tables, std::size_t record) {
  const std::uint32_t effect = Item(tables, record).effect;
  return effect < kActionCount ? ActionNames[effect] : "";
}

// The names of the boxes checked, "none" when no box is.
template <const auto& kChecks>
std::string Checked(const GameTables& tables, std::size_t record) {
  const ItemChecks checks = ChecksOfOwnership(Item(tables, record).ownership);
  std::string names;
  for (const CheckName& box : kChecks) {
    if (checks.*box.check) names += (names.empty() ? "" : ", ") + std::string(box.name);
  }
  return names.empty() ? "none" : names;
}

KnownTable Describe() {
  return {"item",
          kItemTableRomPosition,
          kItemRecordSize,
          kItemCount,
          0,
          [](const std::uint8_t* bytes, GameTables& tables) {
            DecodeItemTable(bytes, kItemTableRomPosition, tables.itemTable);
          },
          Name,
          {
              {"Name", kItemNameField, kNameFieldLength, kAllBits, Name},
              {"Effect", kItemEffectField, 2, kAllBits, Effect},
              {"Cost", kItemCostField, 2, kAllBits, Number<&ItemRecord::cost>},
              {"Type", kItemTypeField, 1, kAllBits, Number<&ItemRecord::type>},
              {"Strength", kItemStrengthField, 1, kAllBits, SignedNumber<&ItemRecord::strength>},
              {"Extra Power", kItemExtraPowerField, 1, kAllBits, SignedNumber<&ItemRecord::extraPower>},
              {"E.P. Increase", kItemEpIncreaseField, 1, kAllBits, Number<&ItemRecord::epIncrease>},
              {"Special prop.", kItemSpecialPropertyField, 1, kAllBits, Number<&ItemRecord::specialProperty>},
              {"Desc. address", kItemDescAddressField, 4, kAllBits, DescAddress},
              {"Misc. options", kItemOwnershipField, 1, kOptionBits, Checked<kOptions>},
              {"Who can use?", kItemOwnershipField, 1, kUserBits, Checked<kUsers>},
          }};
}

}  // namespace

const KnownTable& ItemTableFields() {
  static const KnownTable table = Describe();
  return table;
}
