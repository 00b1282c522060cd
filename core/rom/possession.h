#pragma once

#include <cstdint>
#include <cstdio>

#include "core/rom/rom_layout.h"

// The quiz's marker: title bytes 16 to 19, which identification never compares.
constexpr std::uint32_t kPossessionMarkerInHeader = 0x10;

bool IsRomPossessed(std::FILE* romFile, const RomLayout& layout);
// Both return false when the write fails.
bool PossessRom(std::FILE* romFile, const RomLayout& layout);
bool UnpossessRom(std::FILE* romFile, const RomLayout& layout);
