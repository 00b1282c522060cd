#pragma once

#include <cstdio>
#include <string>

#include "core/rom/rom_layout.h"

// Opens an image read-only; null after one line on err when it is not a readable file or
// larger than any image.
std::FILE* OpenImageReadOnly(const std::string& path, std::FILE* err);
// Opens an image for reading and writing; null after one line on err as above.
std::FILE* OpenImageForUpdate(const std::string& path, std::FILE* err);
// The same, and also null when the file is too small to hold the game tables; layout
// receives the image's layout.
std::FILE* OpenImageForDump(const std::string& path, RomLayout& layout, std::FILE* err);
