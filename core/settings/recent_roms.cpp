#include "core/settings/recent_roms.h"

#include <algorithm>

void MoveRomToFront(RecentRoms& roms, const std::string& path) {
  if (path.size() > kMaxRomPathLength) return;
  auto found = std::find(roms.begin(), roms.end(), path);
  if (found == roms.end()) {
    found = roms.end() - 1;
    *found = path;
  }
  std::rotate(roms.begin(), found, found + 1);
}

std::string RecentMenuItemText(std::size_t entry, const std::string& path) {
  return "&" + std::to_string(entry + 1) + " - " + path;
}
