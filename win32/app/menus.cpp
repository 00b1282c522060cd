#include "win32/app/menus.h"

#include "core/settings/recent_roms.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/undo_apply.h"
#include "win32/changes/table_csv_commands.h"

namespace {

void AppendCommand(HMENU menu, int command, const char* text, UINT extraFlags = 0) {
  AppendMenuA(menu, MF_STRING | extraFlags, static_cast<UINT_PTR>(command), text);
}

void AppendPopup(HMENU menu, HMENU popup, const char* text) {
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text);
}

void AppendSeparator(HMENU menu) {
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
}

void AppendUndoCommands(HMENU menu) {
  AppendCommand(menu, kCmdUndoApply, "&Undo\tCtrl+Z", MF_GRAYED);
  AppendCommand(menu, kCmdRedoApply, "&Redo\tCtrl+Y", MF_GRAYED);
}

// One entry a text table, their commands from firstCommand on.
HMENU TextTablesMenu(int firstCommand) {
  HMENU tables = CreatePopupMenu();
  for (int entry = 0; entry < kTextCsvTableCount; ++entry) {
    AppendCommand(tables, firstCommand + entry, kTextCsvTables[entry].menuText);
  }
  return tables;
}

void BuildMainMenu() {
  fileMenu = CreatePopupMenu();
  AppendCommand(fileMenu, kCmdLoadRom, "&Load ROM");
  AppendCommand(fileMenu, kCmdCloseRom, "&Close ROM", MF_GRAYED);
  AppendUndoCommands(fileMenu);
  AppendSeparator(fileMenu);
  for (int entry = 0; entry < static_cast<int>(kRecentRomCount); ++entry) {
    AppendCommand(fileMenu, kCmdRecentRom0 + entry, "");
  }
  AppendSeparator(fileMenu);
  AppendCommand(fileMenu, kCmdMakeIps, "&Make IPS");
  AppendCommand(fileMenu, kCmdMakeBps, "Make &BPS");
  AppendCommand(fileMenu, kCmdApplyPatch, "&Apply Patch...");
  AppendCommand(fileMenu, kCmdCompareWith, "Compare &With...");
  AppendCommand(fileMenu, kCmdChangesSinceLoading, "Changes &Since Loading");
  AppendPopup(fileMenu, TextTablesMenu(kCmdExportTextTable0), "Export to &CSV...");
  AppendPopup(fileMenu, TextTablesMenu(kCmdImportTextTable0), "&Import from CSV...");
  AppendCommand(fileMenu, kCmdFixChecksum, "Fix &Checksum", MF_GRAYED);
  AppendSeparator(fileMenu);
  AppendCommand(fileMenu, kCmdExit, "&Exit");

  helpMenu = CreatePopupMenu();
  AppendCommand(helpMenu, kCmdHelp, "&Help");
  AppendCommand(helpMenu, kCmdAbout, "&About");

  mainMenu = CreateMenu();
  AppendPopup(mainMenu, fileMenu, "&File");
  AppendPopup(mainMenu, helpMenu, "&Help");
}

HMENU BuildViewMenu(const char* byNameText, const char* byGameOrderOrTypeText) {
  HMENU view = CreatePopupMenu();
  AppendCommand(view, kCmdFind, "&Find\tCtrl+F");
  AppendCommand(view, kCmdFindNext, "Find &Next\tF3");
  AppendSeparator(view);
  AppendCommand(view, kCmdListByOriginalOrder, "List by &Original Order");
  AppendCommand(view, kCmdListByName, byNameText, MF_CHECKED);
  AppendCommand(view, kCmdListByGameOrderOrType, byGameOrderOrTypeText);
  AppendSeparator(view);
  AppendCommand(view, kCmdDumpToText, "&Dump To Text");
  AppendCommand(view, kCmdExportCsv, "Export to &CSV...");
  AppendCommand(view, kCmdImportCsv, "&Import from CSV...");
  return view;
}

HMENU BuildEditorMenu(HMENU viewMenu) {
  HMENU bar = CreateMenu();
  AppendPopup(bar, editorFileMenu, "&File");
  AppendPopup(bar, editorEditMenu, "&Edit");
  if (viewMenu) AppendPopup(bar, viewMenu, "&View");
  AppendCommand(bar, kCmdEditorHelp, "&Help");
  return bar;
}

}  // namespace

void RefreshFileMenu() {
  const UINT loaded = romSession.romLoaded ? MF_ENABLED : MF_GRAYED;
  EnableMenuItem(fileMenu, kCmdCloseRom, MF_BYCOMMAND | loaded);
  EnableMenuItem(fileMenu, kCmdFixChecksum, MF_BYCOMMAND | loaded);
  EnableUndoMenuItems(fileMenu);
}

void BuildMenus() {
  BuildMainMenu();

  editorFileMenu = CreatePopupMenu();
  AppendCommand(editorFileMenu, kCmdEditorCloseRom, "Close &ROM");
  editorEditMenu = CreatePopupMenu();
  AppendUndoCommands(editorEditMenu);

  enemyViewMenu = BuildViewMenu("List by Enemy &Name", "List by Game &Order");
  enemyEditorMenu = BuildEditorMenu(enemyViewMenu);
  itemViewMenu = BuildViewMenu("List by Item &Name", "&List by &Type");
  itemEditorMenu = BuildEditorMenu(itemViewMenu);
  psiEditorMenu = BuildEditorMenu(nullptr);
  textEditorMenu = BuildEditorMenu(nullptr);
}
