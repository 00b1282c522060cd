#pragma once

#include <cstdio>
#include <string>

constexpr const char* kFixChecksumUsage = "quillon-cli fix-checksum IMAGE";

// fix-checksum IMAGE: writes the computed internal checksum into the image, the one command
// that changes an image. Returns the exit status.
int FixChecksumCommand(const std::string& imagePath, std::FILE* out, std::FILE* err);
