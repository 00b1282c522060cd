#pragma once

// Shared by quillon.rc and the code, so every resource is named once.

#define IDD_EDITOR_HOST 738
#define IDD_SPLASH 10000
#define IDD_ABOUT 10001
#define IDD_ENEMY_SEARCH 10002
#define IDD_ITEM_SEARCH 10003
#define IDD_CREATE_IPS 10004
#define IDD_CREATING_IPS 10005
#define IDD_CHANGES 10006

// Controls of the dialog templates. Texts that nothing reads share the usual -1.
#define IDC_STATIC -1
#define IDC_SEARCH_TEXT 1
#define IDC_SEARCH_OK 2
#define IDC_SEARCH_CANCEL 3
#define IDC_UNEDITED_ROM_PATH 1
#define IDC_BROWSE_UNEDITED_ROM 2
#define IDC_IPS_PATH 3
#define IDC_BROWSE_IPS_PATH 4
#define IDC_CREATE_IPS 5
#define IDC_CREATE_IPS_DONE 6
#define IDC_PATCH_PATH_LABEL 7
#define IDC_IPS_PROGRESS_TEXT 1
#define IDC_CHANGES_LIST 10
#define IDC_CHANGES_QUESTION 11
#define IDC_CHANGES_SAVE_AS 12

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
#define IDI_ENEMIES 2
#define IDI_ENEMY_STATS 3
#define IDI_ENEMY_ACTIONS 4
#define IDI_ITEMS 5
#define IDI_ITEM_EDITOR 6
#define IDI_ITEM_STATS 7
#define IDI_PSI 8
#define IDI_PSI_NAMES 9
#define IDI_TELEPORT 10
#define IDI_MISC_TEXT_TAB 11
#define IDI_ABOUT 12
#define IDI_TEXT 13
#define IDI_PHONE 14
#define IDI_AILMENT 15
#define IDI_HELP 16
#define IDI_MUSIC 17
#define IDI_GFX_SOUND 18
#define IDI_LAST 18

#define IDW_SPLASH 1000
#define IDW_ROM_LOADED 1001
#define IDW_ROM_CLOSED 1002
#define IDW_IPS_WRITTEN 1003
#define IDW_LIST_ORDER 1004
#define IDW_POSSESSED 1005
#define IDW_UNPOSSESSED 1006
