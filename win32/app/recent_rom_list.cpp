#include "win32/app/recent_rom_list.h"

// The settings file and the File menu entries are not kept yet: the list stays as it is.
void RestoreRecentRoms() {}

void RememberLoadedRom(const std::string&) {}

void SaveRecentRoms() {}
