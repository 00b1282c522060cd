#pragma once

#include <array>
#include <cstdio>
#include <string>

#include "core/text/teleport_table.h"

// The teleport editor's grid: one row of name, X and Y boxes per record.
struct TeleportRowTexts {
  std::string name;
  std::string x;
  std::string y;
};
using TeleportTexts = std::array<TeleportRowTexts, kTeleportCount>;

constexpr std::uint32_t kMaximumCoordinate = 65535;

// Coordinates show as unsigned decimal numbers, so a stored -1 shows as 4294967295.
TeleportTexts TeleportBoxTexts(const TeleportTable& teleports);

// True when a row that lies past the end of the game's table was changed, so an Apply would
// write over the data there and asks first. A name is changed unless its box still holds
// exactly what it showed.
bool TeleportApplyWritesPastTable(const TeleportTable& teleports, const TeleportTexts& typed);

// The "Warning" for the first X or Y box that holds no number or one outside 0 to 65535
// ("Teleport 3 X" is the X box of the third row); empty when the grid can be applied.
std::string TeleportTextsProblem(const TeleportTexts& typed);

// Row by row: the name (unless untouched), then X and Y read as numbers capped at 65535
// (negative numbers pass and are written through their low bytes). A row past the end of the
// game's table that still shows what it holds is left alone, so the data there keeps every
// byte. Flushes at the end, so the bytes are on disk when it returns. False when any write or
// the flush failed.
bool ApplyTeleportTexts(std::FILE* romFile, TeleportTable& teleports, const TeleportTexts& typed);
