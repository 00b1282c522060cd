#pragma once

#include <string>

#include "core/compare/image_changes.h"

// Writes the changes as CSV to path through a temporary file that takes its place when
// complete. False, with the path untouched, when it could not be written.
bool SaveChangesCsv(const ImageChanges& changes, const std::string& path);

// The "Warning" when it could not.
std::string ChangesNotSavedMessage(const std::string& path);
