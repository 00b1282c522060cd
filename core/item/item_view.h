#pragma once

#include <cstdint>
#include <string>

#include "core/item/item_table.h"

// The seven boxes of the item editor that stand for the ownership byte.
struct ItemChecks {
  bool infiniteUse = false;
  bool permanent = false;
  bool chicken = false;
  bool ness = false;
  bool paula = false;
  bool jeff = false;
  bool poo = false;
};

// "Permanent" shows when either of its two bits is set; "Infinite Use" when the
// limited-use bit is clear.
ItemChecks ChecksOfOwnership(std::uint8_t ownership);
// Every bit from the boxes, nothing kept from the old byte: "Permanent" sets both its bits.
std::uint8_t OwnershipOfChecks(const ItemChecks& checks);

// What the item editor's controls show for one item.
struct ItemView {
  std::string name;
  std::string type, cost, strength, extraPower, epIncrease, specialProperty, descAddress;
  int effect = -1;  // entry of the effect list; -1 when the stored effect has none
  ItemChecks checks;
};

ItemView ViewItem(const ItemRecord& item);
