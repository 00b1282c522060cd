#pragma once

#include <string>

extern const char* const kErrorReadingFile;

std::string UnrecognizedRomMessage(const std::string& path);
std::string TooSmallRomMessage(const std::string& path);
std::string TooLargeRomMessage(const std::string& path);
// English warning followed by the Japanese note, as Shift-JIS bytes.
std::string Mother2RomMessage();

// Shown in an information box by whatever needs an image while none is loaded.
extern const char* const kLoadRomFirst;
