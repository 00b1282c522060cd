#pragma once

#include <cstdint>
#include <vector>

// The internal checksum worked out the slow, obvious way, to check the program's against:
// the fields set to what they count as, the data repeated the way the console mirrors it up
// to a power of two, and every byte added up.
std::uint16_t PlainChecksum(std::vector<std::uint8_t> romData, std::uint32_t internalHeader);
