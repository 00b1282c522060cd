#pragma once

#include <string>

// The recent-ROM list as the shell uses it: read at start-up, updated after each
// successful load, saved at exit. The settings file lives in the program's folder.
void ReadSettings();
void WriteSettings();
// Rewrites File menu positions 3 to 7 (commands 100 to 104) from recentRoms.
void RefreshRecentMenu();
void RememberLoadedRom(const std::string& path);
