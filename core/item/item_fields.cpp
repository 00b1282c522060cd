#include "core/item/item_fields.h"

#include <variant>

#include "core/tables/record_field.h"
#include "core/text/edit_text.h"

namespace {

using ItemMember = std::variant<std::uint8_t ItemRecord::*, std::int8_t ItemRecord::*, std::uint32_t ItemRecord::*>;

// Every number of the 39-byte record.
const NumberField<ItemMember> kItemNumberFields[] = {
    {&ItemRecord::type, kItemTypeField, 1},
    {&ItemRecord::cost, kItemCostField, 2},
    {&ItemRecord::ownership, kItemOwnershipField, 1},
    {&ItemRecord::effect, kItemEffectField, 2},
    {&ItemRecord::strength, kItemStrengthField, 1},
    {&ItemRecord::epIncrease, kItemEpIncreaseField, 1},
    {&ItemRecord::extraPower, kItemExtraPowerField, 1},
    {&ItemRecord::specialProperty, kItemSpecialPropertyField, 1},
    {&ItemRecord::descAddress, kItemDescAddressField, 4},
};

bool WriteNumber(ItemRecord& item, std::FILE* romFile, const ItemMember& member, std::uint32_t value) {
  return WriteNumberField(item, romFile, kItemNumberFields, member, value);
}

}  // namespace

void DecodeItemFields(const std::uint8_t* bytes, ItemRecord& item) {
  DecodeGameText(bytes + kItemNameField, kNameFieldLength, item.name);
  DecodeNumberFields(bytes, kItemNumberFields, item);
}

bool WriteItemCost(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::cost, value);
}

bool WriteItemType(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::type, value);
}

bool WriteItemEffect(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::effect, value);
}

bool WriteItemStrength(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::strength, value);
}

bool WriteItemEpIncrease(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::epIncrease, value);
}

bool WriteItemExtraPower(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::extraPower, value);
}

bool WriteItemSpecialProperty(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::specialProperty, value);
}

bool WriteItemOwnership(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::ownership, value);
}

bool WriteItemDescAddress(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::descAddress, value);
}

bool WriteItemName(ItemRecord& item, std::FILE* romFile, const std::string& text) {
  return EncodeGameText(romFile, item.fileOffset + kItemNameField, kNameFieldLength, EditText(text), item.name);
}
