#include "win32/app/app_state.h"

#include "win32/app/windows_platform.h"

namespace {
WindowsPlatform windowsPlatform;
}

HINSTANCE programInstance = nullptr;
Platform* platform = &windowsPlatform;

RomSession romSession;
GameTables gameTables;
ListOrders listOrders;
RecentRoms recentRoms;
int EnemySelection = 0;
int ItemSelection = 0;
std::string SearchText;

HFONT smallFont = nullptr;
HFONT normalFont = nullptr;
HFONT titleFont = nullptr;
HICON programIcons[19] = {};
HIMAGELIST treeImageList = nullptr;

HMENU mainMenu = nullptr;
HMENU fileMenu = nullptr;
HMENU helpMenu = nullptr;
HMENU editorFileMenu = nullptr;
HMENU editorEditMenu = nullptr;
HMENU enemyEditorMenu = nullptr;
HMENU enemyViewMenu = nullptr;
HMENU itemEditorMenu = nullptr;
HMENU itemViewMenu = nullptr;
HMENU psiEditorMenu = nullptr;
HMENU textEditorMenu = nullptr;

HWND mainWindow = nullptr;
HWND statusBar = nullptr;
HWND mainToolBar = nullptr;
HWND treeView = nullptr;
MainTreeItems treeItems = {};

OPENFILENAMEA romFileDialog = {};
OPENFILENAMEA textFileDialog = {};
OPENFILENAMEA ipsFileDialog = {};
OPENFILENAMEA bpsFileDialog = {};
OPENFILENAMEA patchFileDialog = {};
OPENFILENAMEA csvFileDialog = {};
char romPathBuffer[260] = {};
char textPathBuffer[260] = {};
char ipsPathBuffer[260] = {};
char bpsPathBuffer[260] = {};
char patchPathBuffer[260] = {};
char csvPathBuffer[260] = {};

HBITMAP backgroundBitmap = nullptr;
