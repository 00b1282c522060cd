#pragma once

#include <string>

// The recent-ROM list as the shell uses it: restored at start-up, updated after each
// successful load, saved at exit.
void RestoreRecentRoms();
void RememberLoadedRom(const std::string& path);
void SaveRecentRoms();
