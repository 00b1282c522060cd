#pragma once

#include <cstdint>

#include "core/item/item_boxes.h"
#include "core/item/item_table.h"

// "Permanent" shows when either of its two bits is set; "Infinite Use" when the
// limited-use bit is clear.
ItemChecks ChecksOfOwnership(std::uint8_t ownership);
// Every bit from the boxes, nothing kept from the old byte: "Permanent" sets both its bits.
std::uint8_t OwnershipOfChecks(const ItemChecks& checks);

// The boxes of one item as the item editor shows them; a stored effect the list lacks
// shows no selection.
ItemBoxes ViewItem(const ItemRecord& item);
