#pragma once

#include "core/rom/rom_session.h"

// The kind as the status line shows it, e.g. " - EarthBound ROM - ".
const char* RomKindText(RomKind kind);
