#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

#include "core/rom/rom_layout.h"
#include "core/text/game_text.h"

constexpr std::uint32_t kItemTableRomPosition = 0x155000;
constexpr std::size_t kItemCount = 256;
constexpr std::uint32_t kItemRecordSize = 39;

// Field offsets inside one ROM record.
constexpr std::uint32_t kItemNameField = 0;
constexpr std::uint32_t kItemTypeField = 25;
constexpr std::uint32_t kItemCostField = 26;
constexpr std::uint32_t kItemOwnershipField = 28;
constexpr std::uint32_t kItemEffectField = 29;
constexpr std::uint32_t kItemStrengthField = 31;
constexpr std::uint32_t kItemEpIncreaseField = 32;
constexpr std::uint32_t kItemExtraPowerField = 33;
constexpr std::uint32_t kItemSpecialPropertyField = 34;
constexpr std::uint32_t kItemDescAddressField = 35;

// Ownership byte: who can use the item and its flags.
constexpr std::uint8_t kItemNess = 0x01;
constexpr std::uint8_t kItemPaula = 0x02;
constexpr std::uint8_t kItemJeff = 0x04;
constexpr std::uint8_t kItemPoo = 0x08;
constexpr std::uint8_t kItemChicken = 0x10;
constexpr std::uint8_t kItemPermanent = 0x60;  // two bits: either one shows the flag, writing sets both
constexpr std::uint8_t kItemLimitedUse = 0x80; // clear means infinite use

struct ItemRecord {
  std::uint32_t fileOffset;
  char name[kNameFieldLength];  // all 25 decoded positions; no terminator when the name fills them
  std::uint8_t itemNumber;
  std::uint8_t type;
  std::uint32_t cost;
  std::uint8_t ownership;
  std::uint32_t effect;
  std::int8_t strength;
  std::uint8_t epIncrease;
  std::int8_t extraPower;
  std::uint8_t specialProperty;
  std::uint32_t descAddress;
};

// Held in the current item list order: position p is list entry p, itemNumber is the ROM index.
using ItemTable = std::array<ItemRecord, kItemCount>;

// Fills all 256 records in ROM order from one read of the table.
void LoadItemTable(std::FILE* romFile, const RomLayout& layout, ItemTable& items);
// The same from the table's bytes already read, which lie at tableOffset in the file.
void DecodeItemTable(const std::uint8_t* table, std::uint32_t tableOffset, ItemTable& items);
