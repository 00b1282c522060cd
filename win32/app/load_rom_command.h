#pragma once

#include <string>

// Loads the image at path into the shell's session; after a load the recent list and
// the status line follow it.
void LoadRomFromPath(const std::string& path);
