#pragma once

#include <array>
#include <cstddef>
#include <string>

constexpr std::size_t kRecentRomCount = 5;
// Paths live in 260-byte buffers: at most 259 characters and the terminator.
constexpr std::size_t kMaxRomPathLength = 259;

// Entry 0 is the most recently loaded image; an empty string is an empty entry.
using RecentRoms = std::array<std::string, kRecentRomCount>;
