#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/compare/image_bytes.h"
#include "core/compare/image_changes.h"

// What diff and describe-patch share: their arguments, reading an image, printing changes.

// The arguments after the command without "--csv"; csv tells whether it was among them.
std::vector<std::string> ArgumentsWithoutCsv(const std::vector<std::string>& args, bool& csv);

// Reads the image at path whole; false after one line on err.
bool ReadImageToCompare(const std::string& path, ImageBytes& image, std::FILE* err);

// Prints one line a change, or CSV; returns the exit status.
int PrintChanges(const ImageChanges& changes, bool csv, std::FILE* out, std::FILE* err);
