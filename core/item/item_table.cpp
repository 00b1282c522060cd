#include "core/item/item_table.h"

#include "core/rom/rom_region.h"

void LoadItemTable(std::FILE* romFile, ItemTable& items) {
  const std::vector<std::uint8_t> table = ReadRomRegion(romFile, kItemTableOffset, kItemCount * kItemRecordSize);
  for (std::size_t n = 0; n < kItemCount; ++n) {
    const std::uint8_t* bytes = table.data() + n * kItemRecordSize;
    ItemRecord& item = items[n];
    item.fileOffset = kItemTableOffset + static_cast<std::uint32_t>(n) * kItemRecordSize;
    DecodeGameText(bytes + kItemNameField, kNameFieldLength, item.name);
    item.itemNumber = static_cast<std::uint8_t>(n);
    item.type = bytes[kItemTypeField];
    item.cost = LittleEndianValue(bytes + kItemCostField, 2);
    item.ownership = bytes[kItemOwnershipField];
    item.effect = LittleEndianValue(bytes + kItemEffectField, 2);
    item.strength = static_cast<std::int8_t>(bytes[kItemStrengthField]);
    item.epIncrease = bytes[kItemEpIncreaseField];
    item.extraPower = static_cast<std::int8_t>(bytes[kItemExtraPowerField]);
    item.specialProperty = bytes[kItemSpecialPropertyField];
    item.descAddress = LittleEndianValue(bytes + kItemDescAddressField, 4);
  }
}
