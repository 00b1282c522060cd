#pragma once

#include <cstdint>
#include <string>

#include "core/platform/platform.h"
#include "core/rom/rom_session.h"
#include "core/tables/game_tables.h"

// The enemy table ends last of the tables a load reads; a shorter file cannot be an image.
inline std::uint32_t MinimumRomSize(const RomLayout& layout) {
  return layout.FileOffset(kEnemyTableRomPosition + kEnemyTableSize);
}

// Closes any loaded image, opens path for update, identifies it and reads every table.
// Returns true when the image is loaded; the caller then updates the recent list and
// the status line.
bool LoadRom(const std::string& path, RomSession& session, const ListOrders& orders, GameTables& tables,
             Platform& platform);
