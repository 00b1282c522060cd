#include "win32/app/status_line.h"

#include <string>

#include "core/rom/possession.h"
#include "core/rom/rom_kind_text.h"
#include "win32/app/app_state.h"

namespace {

std::string ItemDescription(HTREEITEM item) {
  if (!item) return "Quillon!";
  if (item == treeItems.enemies) return "Modify Enemy Attributes";
  if (item == treeItems.items) return "Modify Item Attributes";
  if (item == treeItems.psi) return "Modify PSI and PSI-related attributes";
  if (item == treeItems.names) return "Modify PSI names";
  if (item == treeItems.teleport) return "Modify teleport location and names";
  if (item == treeItems.text) return "Modify game text";
  if (item == treeItems.about) return "About Quillon";
  if (item == treeItems.help) return "View the Quillon help file";
  return "Quillon!";
}

std::string RomState() {
  return RomKindText(romSession.romKind, romSession.romLayout) + std::to_string(romSession.romSize) + " bytes";
}

void ShowOnStatusLine(std::string text) {
  if (romSession.romLoaded && IsRomPossessed(romSession.romFile, romSession.romLayout)) text += " - Possessed!";
  SetWindowTextA(statusBar, text.c_str());
}

// The file's name without its folder.
std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void RefreshTitle() {
  const std::string title = romSession.romLoaded ? "Quillon! - " + FileName(romSession.romPath) : "Quillon!";
  SetWindowTextA(mainWindow, title.c_str());
}

}  // namespace

void RefreshStatusLine() {
  RefreshTitle();
  const auto selected =
      reinterpret_cast<HTREEITEM>(SendMessageA(treeView, TVM_GETNEXTITEM, TVGN_CARET, 0));
  std::string text = ItemDescription(selected);
  if (selected && selected == treeItems.root) text += RomState();
  ShowOnStatusLine(text);
}

void ShowLoadedRomOnStatusLine() {
  RefreshTitle();
  ShowOnStatusLine("Quillon!" + RomState());
}
