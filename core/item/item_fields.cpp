#include "core/item/item_fields.h"

#include "core/rom/rom_session.h"
#include "core/text/edit_text.h"

namespace {

// Stores value in the record's field (the 8-bit fields keep its low byte) and writes the
// field's width of it, low byte first.
template <typename Field>
bool WriteNumber(ItemRecord& item, std::FILE* romFile, Field ItemRecord::*field, std::uint32_t fieldOffset,
                 unsigned width, std::uint32_t value) {
  item.*field = static_cast<Field>(value);
  return WriteRomValue(romFile, item.fileOffset + fieldOffset, value, width);
}

}  // namespace

bool WriteItemCost(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::cost, kItemCostField, 2, value);
}

bool WriteItemType(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::type, kItemTypeField, 1, value);
}

bool WriteItemEffect(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::effect, kItemEffectField, 2, value);
}

bool WriteItemStrength(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::strength, kItemStrengthField, 1, value);
}

bool WriteItemEpIncrease(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::epIncrease, kItemEpIncreaseField, 1, value);
}

bool WriteItemExtraPower(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::extraPower, kItemExtraPowerField, 1, value);
}

bool WriteItemSpecialProperty(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::specialProperty, kItemSpecialPropertyField, 1, value);
}

bool WriteItemOwnership(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::ownership, kItemOwnershipField, 1, value);
}

bool WriteItemDescAddress(ItemRecord& item, std::FILE* romFile, std::uint32_t value) {
  return WriteNumber(item, romFile, &ItemRecord::descAddress, kItemDescAddressField, 4, value);
}

bool WriteItemName(ItemRecord& item, std::FILE* romFile, const std::string& text) {
  return EncodeGameText(romFile, item.fileOffset + kItemNameField, kNameFieldLength, EditText(text), item.name);
}
