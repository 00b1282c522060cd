#pragma once

#include "core/rom/rom_session.h"

#include <string>

// The kind as the status line shows it, e.g. " - EarthBound ROM - ", or
// " - EarthBound ROM (no header) - " for an image without a copier header.
std::string RomKindText(RomKind kind, const RomLayout& layout);
