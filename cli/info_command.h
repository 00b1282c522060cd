#pragma once

#include <cstdio>
#include <string>

constexpr const char* kInfoUsage = "quillon-cli info IMAGE";

// info IMAGE: one "key: value" line each for the file, kind, header, size, title, checksum
// and possession marker. Returns the exit status.
int InfoCommand(const std::string& imagePath, std::FILE* out, std::FILE* err);
