#include "tests/support/table_fixture.h"

#include <cstring>
#include <stdexcept>

std::uint32_t ItemOffset(std::uint8_t itemNumber, const RomLayout& layout) {
  return layout.FileOffset(kItemTableRomPosition + itemNumber * kItemRecordSize);
}

void PutItem(FixtureImage& image, std::uint8_t itemNumber, const ItemBytes& item) {
  const std::uint32_t offset = ItemOffset(itemNumber, image.layout);
  image.PutGameText(offset + kItemNameField, item.name, kNameFieldLength)
      .PutValue(offset + kItemTypeField, item.type, 1)
      .PutValue(offset + kItemCostField, item.cost, 2)
      .PutValue(offset + kItemOwnershipField, item.ownership, 1)
      .PutValue(offset + kItemEffectField, item.effect, 2)
      .PutValue(offset + kItemStrengthField, item.strength, 1)
      .PutValue(offset + kItemEpIncreaseField, item.epIncrease, 1)
      .PutValue(offset + kItemExtraPowerField, item.extraPower, 1)
      .PutValue(offset + kItemSpecialPropertyField, item.specialProperty, 1)
      .PutValue(offset + kItemDescAddressField, item.descAddress, 4);
}

ItemTable MakeItemTable() {
  ItemTable items{};
  for (std::size_t n = 0; n < kItemCount; ++n) {
    items[n].itemNumber = static_cast<std::uint8_t>(n);
    items[n].fileOffset = ItemOffset(static_cast<std::uint8_t>(n));
    items[n].type = 1;
    char name[16];
    std::snprintf(name, sizeof name, "Item %03u", static_cast<unsigned>(n));
    SetItemName(items[n], name);
  }
  return items;
}

void SetItemName(ItemRecord& item, const std::string& name) {
  std::memset(item.name, 0, sizeof item.name);
  std::memcpy(item.name, name.data(), name.size() < sizeof item.name ? name.size() : sizeof item.name);
}

GameTables LoadTablesFrom(const FixtureImage& image, const ListOrders& orders) {
  const std::string path = TempPath("tables.smc");
  image.WriteTo(path);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw std::runtime_error("cannot open fixture " + path);
  GameTables tables;
  LoadGameTables(file, image.layout, orders, tables);
  std::fclose(file);
  return tables;
}

OpenFixture::OpenFixture(const FixtureImage& image) : path_(TempPath("write.smc")) {
  image.WriteTo(path_);
  file_ = std::fopen(path_.c_str(), "r+b");
  if (!file_) throw std::runtime_error("cannot open fixture " + path_);
}

OpenFixture::~OpenFixture() {
  std::fclose(file_);
}

std::vector<std::uint8_t> OpenFixture::Bytes(std::uint32_t offset, std::size_t count) {
  std::fflush(file_);
  std::vector<std::uint8_t> bytes(count);
  std::FILE* reader = std::fopen(path_.c_str(), "rb");
  const bool read = reader && std::fseek(reader, static_cast<long>(offset), SEEK_SET) == 0 &&
                    std::fread(bytes.data(), 1, count, reader) == count;
  if (reader) std::fclose(reader);
  if (!read) throw std::runtime_error("cannot read back " + path_);
  return bytes;
}
