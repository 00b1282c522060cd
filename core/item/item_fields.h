#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/item/item_table.h"

// Fills the name and every number of item from its 39 ROM bytes.
void DecodeItemFields(const std::uint8_t* bytes, ItemRecord& item);

// One writer per item field: each writes the field's bytes (low byte first) at the item's
// record in the image and stores the value in memory, the 32-bit fields whole and the 8-bit
// fields as their low byte. False when the image could not be written.
bool WriteItemCost(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
bool WriteItemType(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
bool WriteItemEffect(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
bool WriteItemStrength(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
bool WriteItemEpIncrease(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
bool WriteItemExtraPower(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
bool WriteItemSpecialProperty(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
bool WriteItemOwnership(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
bool WriteItemDescAddress(ItemRecord& item, std::FILE* romFile, std::uint32_t value);
// The typed text, cut to 24 characters, into the 25-byte name field.
bool WriteItemName(ItemRecord& item, std::FILE* romFile, const std::string& text);
