#pragma once

#include <string>

#include "core/item/item_table.h"

// "<name> - [<item number>]", as the item lists show an item.
std::string ItemListEntry(const ItemRecord& item);
void AppendItemListEntry(const ItemRecord& item, std::string& shown);
