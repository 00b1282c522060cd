#include "core/item/item_table.h"

#include "core/item/item_fields.h"
#include "core/rom/rom_region.h"

void LoadItemTable(std::FILE* romFile, const RomLayout& layout, ItemTable& items) {
  const std::uint32_t tableOffset = layout.FileOffset(kItemTableRomPosition);
  DecodeItemTable(ReadRomRegion(romFile, tableOffset, kItemCount * kItemRecordSize).data(), tableOffset, items);
}

void DecodeItemTable(const std::uint8_t* table, std::uint32_t tableOffset, ItemTable& items) {
  for (std::size_t n = 0; n < kItemCount; ++n) {
    ItemRecord& item = items[n];
    item.fileOffset = tableOffset + static_cast<std::uint32_t>(n) * kItemRecordSize;
    item.itemNumber = static_cast<std::uint8_t>(n);
    DecodeItemFields(table + n * kItemRecordSize, item);
  }
}
