#pragma once

#include <string>

// Loads the image at path into the shell's session; after a load the recent list follows
// it, and the status line follows whatever happened.
void LoadRomFromPath(const std::string& path);
