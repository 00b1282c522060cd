#pragma once

// Shared by quillon.rc and the code, so every resource is named once.

#define IDD_EDITOR_HOST 738
#define IDD_SPLASH 10000
#define IDD_ABOUT 10001
#define IDD_ENEMY_SEARCH 10002
#define IDD_ITEM_SEARCH 10003
#define IDD_CREATE_IPS 10004
#define IDD_CREATING_IPS 10005

#define IDB_BACKGROUND_TILE 99
#define IDB_SPLASH 100
#define IDB_TOOL_OPEN_FOLDER 101
#define IDB_TOOL_CLOSED_FOLDER 102
#define IDB_TOOL_BINOCULARS 103
#define IDB_TOOL_LIGHTNING 104
#define IDB_TOOL_BOOK 105
#define IDB_PROGRESS_TILE_A 106
#define IDB_PROGRESS_TILE_B 107
#define IDB_TOOL_IPS 108
#define IDB_TOOL_ABC 109
#define IDB_TOOL_123 110
#define IDB_TOOL_UP_ARROW 111
#define IDB_TOOL_GHOST 112

// Icons 1 to 18: icon 1 is the program icon, 2 to 18 the tree and editor pictures.
#define IDI_PROGRAM 1
#define IDI_LAST 18

#define IDW_SPLASH 1000
#define IDW_ROM_LOADED 1001
#define IDW_ROM_CLOSED 1002
#define IDW_IPS_WRITTEN 1003
#define IDW_LIST_ORDER 1004
#define IDW_POSSESSED 1005
#define IDW_UNPOSSESSED 1006
