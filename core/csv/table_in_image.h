#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/csv/table_import.h"
#include "core/rom/image_action.h"
#include "core/rom/rom_layout.h"

// A table's export and import against an open image.

// The table and those it shows entries of, in ROM order, and this table's ROM bytes; false
// when the image is too short to hold them.
bool ReadTableOfImage(std::FILE* image, const RomLayout& layout, const KnownTable& table, GameTables& tables,
                      std::vector<std::uint8_t>& tableBytes);

// Writes the bytes the import changes into the loaded image as one action, the backup first.
// The journal keeps only the bytes that changed, so undoing it puts back exactly those.
ActionOutcome WriteTableImport(RomSession& session, const KnownTable& table, const TableImport& import);
