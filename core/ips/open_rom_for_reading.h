#pragma once

#include <cstdio>
#include <string>

// Opens an image read-only for a comparison; null when it is not a readable file.
std::FILE* OpenRomForReading(const std::string& path);
