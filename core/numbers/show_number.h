#pragma once

#include <cstdint>
#include <string>

// The texts the editors put into their number boxes. The Append forms add the text to shown:
// a table's export and import show thousands of values.
std::string ShowUnsigned(std::uint32_t value);
std::string ShowSigned(std::int32_t value);
// "$" and upper-case hexadecimal without leading zeros: 0 shows as "$0", 26 as "$1A".
std::string ShowHex(std::uint32_t value);

void AppendUnsigned(std::uint32_t value, std::string& shown);
void AppendSigned(std::int32_t value, std::string& shown);
void AppendHex(std::uint32_t value, std::string& shown);
