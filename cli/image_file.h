#pragma once

#include <cstdio>
#include <string>

// Opens an image read-only for a dump; null after one line on err when the file cannot be
// read or is too small to hold the game tables.
std::FILE* OpenImageForDump(const std::string& path, std::FILE* err);

// True when both paths name one existing file, so a dump never replaces its own image.
bool IsSameFile(const std::string& a, const std::string& b);
