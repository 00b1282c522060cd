#pragma once

#include <array>
#include <cstddef>
#include <string>

constexpr std::size_t kRecentRomCount = 5;
// Paths live in 260-byte buffers: at most 259 characters and the terminator.
constexpr std::size_t kMaxRomPathLength = 259;

// Entry 0 is the most recently loaded image; an empty string is an empty entry.
using RecentRoms = std::array<std::string, kRecentRomCount>;

// Puts path first after a successful load. A path already listed (compared byte for byte)
// only moves up; a new one pushes the oldest entry out. A path too long for a settings
// line is not remembered, since it could not be read back whole.
void MoveRomToFront(RecentRoms& roms, const std::string& path);

// The File menu text of entry (0 to 4): "&1 - C:\roms\eb.smc"; an empty entry keeps "&1 - ".
std::string RecentMenuItemText(std::size_t entry, const std::string& path);
