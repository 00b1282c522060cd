#pragma once

#include <cstdint>
#include <cstdio>

#include "core/rom/rom_session.h"

// The quiz's marker: title bytes 16 to 19, which identification never compares.
constexpr std::uint32_t kPossessionMarkerOffset = 0xFFD0 + kCopierHeaderSize;

bool IsRomPossessed(std::FILE* romFile);
// Both return false when the write fails.
bool PossessRom(std::FILE* romFile);
bool UnpossessRom(std::FILE* romFile);
