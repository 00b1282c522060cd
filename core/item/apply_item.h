#pragma once

#include <cstddef>
#include <cstdio>

#include "core/item/item_table.h"
#include "core/item/item_view.h"
#include "core/tables/list_order.h"

// Bounds of the typed numbers. Cost stops short of 65535 and extra power, though signed,
// takes up to 255, as the editor always has; strength and extra power go down to the
// smallest signed byte.
constexpr std::uint32_t kMaximumItemCost = 65525;
constexpr std::uint32_t kMaximumItemByte = 255;
constexpr std::int32_t kMaximumItemStrength = 127;
constexpr std::int32_t kMaximumItemExtraPower = 255;
constexpr std::int32_t kSmallestItemSignedByte = -128;

struct ItemApplyResult {
  std::size_t position;  // where the item stands after the re-sort
  bool written;          // every byte reached the file and was flushed
};

// The "Warning" for the first number box that holds no number or one outside its field's
// range; empty when the boxes can be applied.
std::string ItemBoxesProblem(const ItemBoxes& boxes);

// Writes every field of the item at position from the boxes, in the editor's fixed order
// (cost, type, effect, strength, E.P. increase, extra power, special property, ownership,
// description address, name), flushes, then re-sorts the table by order. Without an effect
// selection the stored effect is written back, so an effect the list cannot show survives;
// an untouched name is not written.
ItemApplyResult ApplyItem(std::FILE* romFile, ItemTable& items, std::size_t position, const ItemBoxes& boxes,
                          ListOrder order);
