#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/item/item_table.h"

// Positions, ascending, whose name holds text as an exact (case-sensitive) run of bytes.
// An empty text finds nothing.
std::vector<std::size_t> FindItems(const ItemTable& items, const std::string& text);
