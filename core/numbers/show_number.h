#pragma once

#include <cstdint>
#include <string>

// The texts the editors put into their number boxes.
std::string ShowUnsigned(std::uint32_t value);
std::string ShowSigned(std::int32_t value);
// "$" and upper-case hexadecimal without leading zeros: 0 shows as "$0", 26 as "$1A".
std::string ShowHex(std::uint32_t value);
