#include "core/item/item_fields.h"

#include "core/rom/rom_session.h"
#include "core/text/edit_text.h"

namespace {

bool WriteField(const ItemRecord& item, std::FILE* romFile, std::uint32_t field, unsigned width,
                std::uint32_t value) {
  return WriteRomValue(romFile, item.fileOffset + field, value, width);
}

}  // namespace

bool WriteItemCost(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.cost = value;
  return WriteField(item, romFile, kItemCostField, 2, value);
}

bool WriteItemType(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.type = static_cast<std::uint8_t>(value);
  return WriteField(item, romFile, kItemTypeField, 1, value);
}

bool WriteItemEffect(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.effect = value;
  return WriteField(item, romFile, kItemEffectField, 2, value);
}

bool WriteItemStrength(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.strength = static_cast<std::int8_t>(value);
  return WriteField(item, romFile, kItemStrengthField, 1, value);
}

bool WriteItemEpIncrease(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.epIncrease = static_cast<std::uint8_t>(value);
  return WriteField(item, romFile, kItemEpIncreaseField, 1, value);
}

bool WriteItemExtraPower(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.extraPower = static_cast<std::int8_t>(value);
  return WriteField(item, romFile, kItemExtraPowerField, 1, value);
}

bool WriteItemSpecialProperty(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.specialProperty = static_cast<std::uint8_t>(value);
  return WriteField(item, romFile, kItemSpecialPropertyField, 1, value);
}

bool WriteItemOwnership(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.ownership = static_cast<std::uint8_t>(value);
  return WriteField(item, romFile, kItemOwnershipField, 1, value);
}

bool WriteItemDescAddress(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  item.descAddress = value;
  return WriteField(item, romFile, kItemDescAddressField, 4, value);
}

bool WriteItemName(ItemRecord& item, std::FILE* romFile, const std::string& text) {
  return EncodeGameText(romFile, item.fileOffset + kItemNameField, kNameFieldLength, EditText(text), item.name);
}
