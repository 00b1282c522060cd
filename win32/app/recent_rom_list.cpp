#include "win32/app/recent_rom_list.h"

#include "core/settings/settings_file.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/program_directory.h"

void ReadSettings() {
  recentRoms = ReadSettingsFile(ProgramDirectory());
}

void WriteSettings() {
  // The old file stays whole when this fails, and nothing at exit could be done about it.
  WriteSettingsFile(recentRoms, ProgramDirectory());
}

void RefreshRecentMenu() {
  for (std::size_t entry = 0; entry < kRecentRomCount; ++entry) {
    const UINT command = kCmdRecentRom0 + static_cast<UINT>(entry);
    // An entry without a path has nothing to load.
    const UINT greyed = recentRoms[entry].empty() ? MF_GRAYED : MF_ENABLED;
    ModifyMenuA(fileMenu, command, MF_BYCOMMAND | MF_STRING | greyed, command,
                RecentMenuItemText(entry, recentRoms[entry]).c_str());
  }
}

void RememberLoadedRom(const std::string& path) {
  MoveRomToFront(recentRoms, path);
  RefreshRecentMenu();
}
