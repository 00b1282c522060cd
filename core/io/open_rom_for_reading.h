#pragma once

#include <cstdio>
#include <string>

// Opens an image read-only, positioned at its start; null when it is not a readable file.
std::FILE* OpenRomForReading(const std::string& path);
