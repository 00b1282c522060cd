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

}  // namespace

void RefreshStatusLine() {
  const auto selected =
      reinterpret_cast<HTREEITEM>(SendMessageA(treeView, TVM_GETNEXTITEM, TVGN_CARET, 0));
  std::string text = ItemDescription(selected);
  if (selected && selected == treeItems.root) {
    text += RomKindText(romSession.romKind, romSession.romLayout);
    text += std::to_string(romSession.romSize);
    text += " bytes";
  }
  if (romSession.romLoaded && IsRomPossessed(romSession.romFile, romSession.romLayout)) text += " - Possessed!";
  SetWindowTextA(statusBar, text.c_str());
}
