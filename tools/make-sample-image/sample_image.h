#pragma once

#include <cstdint>
#include <vector>

// A full-size headered image titled "EARTH BOUND (J)" whose every edited table holds made-up
// names and values at the real offsets, so each editor has something to show. No game data.
std::vector<std::uint8_t> MakeSampleImage();
