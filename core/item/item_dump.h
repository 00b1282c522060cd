#pragma once

#include <string>

#include "core/item/item_table.h"

// The dump text of the whole table in its current order, CR LF line ends.
std::string ItemDumpText(const ItemTable& items);

// Writes the dump to path, whole or not at all; false when the file could not be written
// (DumpFailedMessage says so to the user).
bool WriteItemDump(const ItemTable& items, const std::string& path);
