#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <string>

#include "core/platform/platform.h"
#include "core/rom/rom_session.h"
#include "core/settings/recent_roms.h"
#include "core/tables/game_tables.h"

// Process-wide state of the running program, in one place. Start-up creates it; tests
// create it the same way and may swap the platform for a recording one.

extern HINSTANCE programInstance;
extern Platform* platform;

extern RomSession romSession;
extern GameTables gameTables;
extern ListOrders listOrders;
extern RecentRoms recentRoms;
// Remembered list positions of the enemy and item editors.
extern int EnemySelection;
extern int ItemSelection;
// Last confirmed text of the name search, shared by the enemy and item editors.
extern std::string SearchText;

extern HFONT smallFont;
extern HFONT normalFont;
extern HFONT titleFont;
// Indexed by icon number 1 to 18; entry 0 is unused.
extern HICON programIcons[19];
extern HIMAGELIST treeImageList;

extern HMENU mainMenu;
extern HMENU fileMenu;
extern HMENU helpMenu;
extern HMENU editorFileMenu;
extern HMENU editorEditMenu;
extern HMENU enemyEditorMenu;
extern HMENU enemyViewMenu;
extern HMENU itemEditorMenu;
extern HMENU itemViewMenu;
extern HMENU psiEditorMenu;
extern HMENU textEditorMenu;

extern HWND mainWindow;
extern HWND statusBar;
extern HWND mainToolBar;
extern HWND treeView;

// The nine items of the editor tree.
struct MainTreeItems {
  HTREEITEM root;
  HTREEITEM enemies;
  HTREEITEM items;
  HTREEITEM psi;
  HTREEITEM names;
  HTREEITEM teleport;
  HTREEITEM text;
  HTREEITEM about;
  HTREEITEM help;
};
extern MainTreeItems treeItems;

extern OPENFILENAMEA romFileDialog;
extern OPENFILENAMEA textFileDialog;
extern OPENFILENAMEA ipsFileDialog;
extern OPENFILENAMEA bpsFileDialog;
extern OPENFILENAMEA patchFileDialog;
extern OPENFILENAMEA csvFileDialog;
extern char romPathBuffer[260];
extern char textPathBuffer[260];
extern char ipsPathBuffer[260];
extern char bpsPathBuffer[260];
extern char patchPathBuffer[260];
extern char csvPathBuffer[260];

extern HBITMAP backgroundBitmap;
