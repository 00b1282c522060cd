#include <algorithm>
#include <iterator>

#include "core/enemy/enemy_catalogues.h"
#include "core/item/item_view.h"
#include "core/numbers/show_number.h"
#include "core/tables/field_readers.h"
#include "core/tables/shown_from_bytes.h"
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

void Name(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendGameText(Item(tables, record).name, kNameFieldLength, shown);
}

template <auto kMember>
void Number(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendUnsigned(Item(tables, record).*kMember, shown);
}

template <auto kMember>
void SignedNumber(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendSigned(Item(tables, record).*kMember, shown);
}

void DescAddress(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendHex(Item(tables, record).descAddress, shown);
}

void Effect(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendEntry(ActionNames, Item(tables, record).effect, shown);
}

// The names of the boxes checked, "none" when no box is.
template <const auto& kChecks>
void Checked(const GameTables& tables, std::size_t record, std::string& shown) {
  const ItemChecks checks = ChecksOfOwnership(Item(tables, record).ownership);
  const char* separator = "";
  for (const CheckName& box : kChecks) {
    if (!(checks.*box.check)) continue;
    shown.append(separator).append(box.name);
    separator = ", ";
  }
  if (*separator == '\0') shown += "none";
}

// The names of the boxes to check, as Checked shows them; the other boxes of the group are
// cleared.
template <const auto& kChecks>
std::string ReadChecked(const std::string& text, const TableField& field, const FieldTarget& target) {
  ItemChecks checks{};
  for (std::size_t from = 0; text != "none" && from <= text.size();) {
    const std::size_t end = std::min(text.find(", ", from), text.size());
    const std::string name = text.substr(from, end - from);
    const CheckName* box = std::find_if(std::begin(kChecks), std::end(kChecks),
                                        [&](const CheckName& check) { return name == check.name; });
    if (box == std::end(kChecks)) return "\"" + name + "\" is not one of the " + field.label + " boxes";
    checks.*box->check = true;
    from = end + 2;
  }
  StoreFieldValue(field, target.record, OwnershipOfChecks(checks));
  return "";
}

template <auto kMember>
TableField NumberField(const char* label, std::uint32_t offset, std::uint32_t width) {
  return {label, offset, width, kAllBits, Number<kMember>, ReadUnsignedField, {}, &kUnsignedFromBytes};
}

template <auto kMember>
TableField SignedNumberField(const char* label, std::uint32_t offset, std::uint32_t width) {
  return {label, offset, width, kAllBits, SignedNumber<kMember>, ReadSignedField, {}, &kSignedFromBytes};
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
              {"Name", kItemNameField, kNameFieldLength, kAllBits, Name, ReadTextField},
              {"Effect", kItemEffectField, 2, kAllBits, Effect, ReadChoiceField<ActionNames>, {},
               &kChoiceFromBytes<ActionNames>},
              NumberField<&ItemRecord::cost>("Cost", kItemCostField, 2),
              NumberField<&ItemRecord::type>("Type", kItemTypeField, 1),
              SignedNumberField<&ItemRecord::strength>("Strength", kItemStrengthField, 1),
              SignedNumberField<&ItemRecord::extraPower>("Extra Power", kItemExtraPowerField, 1),
              NumberField<&ItemRecord::epIncrease>("E.P. Increase", kItemEpIncreaseField, 1),
              NumberField<&ItemRecord::specialProperty>("Special prop.", kItemSpecialPropertyField, 1),
              {"Desc. address", kItemDescAddressField, 4, kAllBits, DescAddress, ReadAddressField, {}, &kHexFromBytes},
              {"Misc. options", kItemOwnershipField, 1, kOptionBits, Checked<kOptions>, ReadChecked<kOptions>},
              {"Who can use?", kItemOwnershipField, 1, kUserBits, Checked<kUsers>, ReadChecked<kUsers>},
          }};
}

}  // namespace

const KnownTable& ItemTableFields() {
  static const KnownTable table = Describe();
  return table;
}
