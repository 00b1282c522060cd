#pragma once

#include <cstdio>
#include <string>

// Opens a regular file with fopen's mode "rb" or "r+b"; null for anything else (a folder, a
// pipe, a device), told without waiting on it as opening a pipe would.
std::FILE* OpenRegularFile(const std::string& path, const char* mode);

// Opens an image read-only, positioned at its start; null when it is not a readable file.
std::FILE* OpenRomForReading(const std::string& path);

// What to say when path could not be opened: that it is no regular file when so, otherwise
// the caller's own message.
std::string CannotOpenMessage(const std::string& path, const std::string& otherwise);
