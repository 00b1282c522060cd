#include "win32/app/load_rom_command.h"

#include "core/rom/load_rom.h"
#include "win32/app/app_state.h"
#include "win32/app/recent_rom_list.h"
#include "win32/app/status_line.h"

void LoadRomFromPath(const std::string& path) {
  // The path is copied first: it may be a recent entry that the update below moves.
  const std::string loadedPath = path;
  // A failed load has closed the earlier image too, so the line changes either way.
  if (LoadRom(loadedPath, romSession, listOrders, gameTables, *platform)) RememberLoadedRom(loadedPath);
  RefreshStatusLine();
}
