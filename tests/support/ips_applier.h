#pragma once

#include <cstdint>
#include <vector>

// Applies an IPS patch as patching tools read it: records until an offset that reads "EOF".
// Returns false on a malformed patch or one holding run-length records.
bool ApplyIpsPatch(const std::vector<std::uint8_t>& patch, std::vector<std::uint8_t>& image);
