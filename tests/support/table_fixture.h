#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/item/item_table.h"
#include "core/tables/game_tables.h"
#include "tests/support/fixture_image.h"

// The fields of one item's ROM record, as a test writes them into a fixture image.
struct ItemBytes {
  std::string name;
  std::uint8_t type = 0;
  std::uint16_t cost = 0;
  std::uint8_t ownership = 0;
  std::uint16_t effect = 0;
  std::uint8_t strength = 0;
  std::uint8_t epIncrease = 0;
  std::uint8_t extraPower = 0;
  std::uint8_t specialProperty = 0;
  std::uint32_t descAddress = 0;
};

// The file offset of item record itemNumber in an image of that layout.
std::uint32_t ItemOffset(std::uint8_t itemNumber, const RomLayout& layout = kHeaderedLayout);
void PutItem(FixtureImage& image, std::uint8_t itemNumber, const ItemBytes& item);

// An in-memory table in ROM order: item n is named "Item nnn", type 1, all else zero.
ItemTable MakeItemTable();
// Sets all 25 name positions: the text, then zeros (none when it fills the field).
void SetItemName(ItemRecord& item, const std::string& name);

// Writes image to a fresh file and loads every table from it, read-only.
GameTables LoadTablesFrom(const FixtureImage& image, const ListOrders& orders = ListOrders{});

// A fixture image file opened "r+b" for the field writers; closed by the destructor.
class OpenFixture {
 public:
  explicit OpenFixture(const FixtureImage& image);
  ~OpenFixture();
  OpenFixture(const OpenFixture&) = delete;
  OpenFixture& operator=(const OpenFixture&) = delete;

  std::FILE* file() const { return file_; }
  const std::string& path() const { return path_; }
  // The file's bytes as they are on disk now (the stream is flushed first).
  std::vector<std::uint8_t> Bytes(std::uint32_t offset, std::size_t count);

 private:
  std::string path_;
  std::FILE* file_;
};
