#pragma once

#include <string>

// No table's CSV comes near this; a larger file is refused once this much of it is read.
constexpr long long kLargestCsvFile = 16 * 1024 * 1024;

// Reads the file whole into text. Returns the message of a failure ("Cannot open X."), or
// empty.
std::string ReadCsvFile(const std::string& path, std::string& text);
