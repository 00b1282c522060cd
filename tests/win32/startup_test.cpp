#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/undo_apply.h"

namespace {

RECT ClientRectOf(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LONG StyleOf(HWND window) {
  return GetWindowLongA(window, GWL_STYLE);
}

class StartUp : public ShellTest {};

TEST_F(StartUp, MainWindowHasItsClassTitleStyleAndPlace) {
  EXPECT_EQ(WindowText(mainWindow), "Quillon!");
  // Windows adds WS_CLIPSIBLINGS to every top-level window.
  EXPECT_EQ(static_cast<DWORD>(StyleOf(mainWindow)) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x80CA0000u);
  EXPECT_EQ(GetMenu(mainWindow), mainMenu);

  RECT rect;
  GetWindowRect(mainWindow, &rect);
  EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXFULLSCREEN) / 2 - 200);
  EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYFULLSCREEN) / 2 - 200);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 2 * GetSystemMetrics(SM_CYCAPTION) + 375);

  WNDCLASSA windowClass = {};
  ASSERT_TRUE(GetClassInfoA(programInstance, "QuillonWindow", &windowClass));
  EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_MENU + 1));
  EXPECT_EQ(windowClass.cbClsExtra, 0);
  EXPECT_EQ(windowClass.cbWndExtra, 0);
  EXPECT_EQ(windowClass.hIcon, programIcons[1]);
}

TEST_F(StartUp, ChildWindowsHaveTheirClassesStylesAndPlaces) {
  struct Case {
    HWND window;
    const char* className;
    const char* text;
    DWORD style;
  } cases[] = {
      {statusBar, "msctls_statusbar32", nullptr, WS_CHILD | WS_VISIBLE},
      {mainToolBar, "ToolbarWindow32", "Tools", 0x50000101},
      {FindWindowExA(mainWindow, nullptr, "Static", nullptr), "Static", "", 0x50000012},
      {treeView, "SysTreeView32", "Tree", 0x50800027},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.window, nullptr) << c.className;
    char className[64] = {};
    GetClassNameA(c.window, className, sizeof(className));
    EXPECT_STRCASEEQ(className, c.className);
    EXPECT_EQ(GetParent(c.window), mainWindow) << c.className;
    EXPECT_EQ(static_cast<DWORD>(StyleOf(c.window)) & c.style, c.style) << c.className;
    if (c.text) {
      EXPECT_EQ(WindowText(c.window), c.text) << c.className;
    }
  }
  EXPECT_EQ(ShellAtStartUp().statusLine, "Quillon");
  EXPECT_EQ(static_cast<DWORD>(StyleOf(treeView)), 0x50800027u);

  const RECT separator = ClientRectOf(cases[2].window);
  EXPECT_EQ(separator.left, -5);
  EXPECT_EQ(separator.top, 33);
  EXPECT_EQ(separator.right - separator.left, 500);
  EXPECT_EQ(separator.bottom - separator.top, 2);
  const RECT tree = ClientRectOf(treeView);
  EXPECT_EQ(tree.left, 5);
  EXPECT_EQ(tree.top, 40);
  EXPECT_EQ(tree.right - tree.left, 200);
  EXPECT_EQ(tree.bottom - tree.top, 290);

  RECT client;
  GetClientRect(mainWindow, &client);
  EXPECT_EQ(ClientRectOf(statusBar).bottom, client.bottom);
  EXPECT_EQ(ClientRectOf(mainToolBar).top, 0);
}

TEST_F(StartUp, ToolBarHasItsEightButtons) {
  struct Case {
    bool separator;
    int image;
    int command;
  } cases[] = {
      {true, 0, 0},           {false, 0, kCmdLoadRom}, {false, 1, kCmdCloseRom}, {false, 5, kCmdMakeIps},
      {true, 0, 0},           {false, 6, kCmdQuiz},    {true, 0, 0},             {false, 4, kCmdHelp},
  };
  ASSERT_EQ(SendMessageA(mainToolBar, TB_BUTTONCOUNT, 0, 0), 8);
  for (int index = 0; index < 8; ++index) {
    TBBUTTON button = {};
    ASSERT_TRUE(SendMessageA(mainToolBar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)));
    const Case& c = cases[index];
    EXPECT_EQ((button.fsStyle & TBSTYLE_SEP) != 0, c.separator) << "button " << index;
    if (c.separator) continue;
    EXPECT_EQ(button.iBitmap, c.image) << "button " << index;
    EXPECT_EQ(button.idCommand, c.command) << "button " << index;
    EXPECT_TRUE(button.fsState & TBSTATE_ENABLED) << "button " << index;
  }
  const LRESULT size = SendMessageA(mainToolBar, TB_GETBUTTONSIZE, 0, 0);
  // The tool bar widens buttons to its own minimum around a 20-pixel image.
  EXPECT_GE(LOWORD(size), 26);
  EXPECT_EQ(HIWORD(size), 27);
}

TEST_F(StartUp, MenusHaveTheirItemsInOrder) {
  // The undo entries name the step they would take, of which a closed image has none.
  EnableUndoMenuItems(fileMenu);
  EnableUndoMenuItems(editorEditMenu);
  // A command of -1 is a separator; a popup names the menu it opens.
  struct Item {
    HMENU menu;
    int position;
    const char* text;
    int command;
    HMENU popup;
    bool checked;
  } items[] = {
      {mainMenu, 0, "&File", -1, fileMenu, false},
      {mainMenu, 1, "&Help", -1, helpMenu, false},
      {fileMenu, 0, "&Load ROM", kCmdLoadRom, nullptr, false},
      {fileMenu, 1, "&Close ROM", kCmdCloseRom, nullptr, false},
      {fileMenu, 2, "&Undo\tCtrl+Z", kCmdUndoApply, nullptr, false},
      {fileMenu, 3, "&Redo\tCtrl+Y", kCmdRedoApply, nullptr, false},
      {fileMenu, 4, nullptr, -1, nullptr, false},
      {fileMenu, 5, "&1 - ", 100, nullptr, false},
      {fileMenu, 6, "&2 - ", 101, nullptr, false},
      {fileMenu, 7, "&3 - ", 102, nullptr, false},
      {fileMenu, 8, "&4 - ", 103, nullptr, false},
      {fileMenu, 9, "&5 - ", 104, nullptr, false},
      {fileMenu, 10, nullptr, -1, nullptr, false},
      {fileMenu, 11, "&Make IPS", kCmdMakeIps, nullptr, false},
      {fileMenu, 12, "Make &BPS", kCmdMakeBps, nullptr, false},
      {fileMenu, 13, "&Apply Patch...", kCmdApplyPatch, nullptr, false},
      {fileMenu, 14, "Compare &With...", kCmdCompareWith, nullptr, false},
      {fileMenu, 15, "Changes &Since Loading", kCmdChangesSinceLoading, nullptr, false},
      {fileMenu, 16, "Export to &CSV...", -1, GetSubMenu(fileMenu, 16), false},
      {fileMenu, 17, "&Import from CSV...", -1, GetSubMenu(fileMenu, 17), false},
      {fileMenu, 18, "Fix &Checksum", kCmdFixChecksum, nullptr, false},
      {fileMenu, 19, nullptr, -1, nullptr, false},
      {fileMenu, 20, "&Exit", kCmdExit, nullptr, false},
      {helpMenu, 0, "&Help", kCmdHelp, nullptr, false},
      {helpMenu, 1, "&About", kCmdAbout, nullptr, false},
      {editorFileMenu, 0, "Close &ROM", kCmdEditorCloseRom, nullptr, false},
      {editorEditMenu, 0, "&Undo\tCtrl+Z", kCmdUndoApply, nullptr, false},
      {editorEditMenu, 1, "&Redo\tCtrl+Y", kCmdRedoApply, nullptr, false},
      {enemyEditorMenu, 0, "&File", -1, editorFileMenu, false},
      {enemyEditorMenu, 1, "&Edit", -1, editorEditMenu, false},
      {enemyEditorMenu, 2, "&View", -1, enemyViewMenu, false},
      {enemyEditorMenu, 3, "&Help", kCmdEditorHelp, nullptr, false},
      {enemyViewMenu, 0, "&Find\tCtrl+F", kCmdFind, nullptr, false},
      {enemyViewMenu, 1, "Find &Next\tF3", kCmdFindNext, nullptr, false},
      {enemyViewMenu, 2, nullptr, -1, nullptr, false},
      {enemyViewMenu, 3, "List by &Original Order", kCmdListByOriginalOrder, nullptr, false},
      {enemyViewMenu, 4, "List by Enemy &Name", kCmdListByName, nullptr, true},
      {enemyViewMenu, 5, "List by Game &Order", kCmdListByGameOrderOrType, nullptr, false},
      {enemyViewMenu, 6, nullptr, -1, nullptr, false},
      {enemyViewMenu, 7, "&Dump To Text", kCmdDumpToText, nullptr, false},
      {enemyViewMenu, 8, "Export to &CSV...", kCmdExportCsv, nullptr, false},
      {enemyViewMenu, 9, "&Import from CSV...", kCmdImportCsv, nullptr, false},
      {itemEditorMenu, 0, "&File", -1, editorFileMenu, false},
      {itemEditorMenu, 1, "&Edit", -1, editorEditMenu, false},
      {itemEditorMenu, 2, "&View", -1, itemViewMenu, false},
      {itemEditorMenu, 3, "&Help", kCmdEditorHelp, nullptr, false},
      {itemViewMenu, 0, "&Find\tCtrl+F", kCmdFind, nullptr, false},
      {itemViewMenu, 1, "Find &Next\tF3", kCmdFindNext, nullptr, false},
      {itemViewMenu, 2, nullptr, -1, nullptr, false},
      {itemViewMenu, 3, "List by &Original Order", kCmdListByOriginalOrder, nullptr, false},
      {itemViewMenu, 4, "List by Item &Name", kCmdListByName, nullptr, true},
      {itemViewMenu, 5, "&List by &Type", kCmdListByGameOrderOrType, nullptr, false},
      {itemViewMenu, 6, nullptr, -1, nullptr, false},
      {itemViewMenu, 7, "&Dump To Text", kCmdDumpToText, nullptr, false},
      {itemViewMenu, 8, "Export to &CSV...", kCmdExportCsv, nullptr, false},
      {itemViewMenu, 9, "&Import from CSV...", kCmdImportCsv, nullptr, false},
      {psiEditorMenu, 0, "&File", -1, editorFileMenu, false},
      {psiEditorMenu, 1, "&Edit", -1, editorEditMenu, false},
      {psiEditorMenu, 2, "&Help", kCmdEditorHelp, nullptr, false},
      {textEditorMenu, 0, "&File", -1, editorFileMenu, false},
      {textEditorMenu, 1, "&Edit", -1, editorEditMenu, false},
      {textEditorMenu, 2, "&Help", kCmdEditorHelp, nullptr, false},
  };
  for (const Item& item : items) {
    const std::string where = "item " + std::to_string(item.position) + " " + (item.text ? item.text : "separator");
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    ASSERT_TRUE(GetMenuItemInfoA(item.menu, item.position, TRUE, &info)) << where;
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, item.text == nullptr) << where;
    if (item.text) {
      EXPECT_EQ(MenuText(item.menu, item.position), item.text) << where;
    }
    EXPECT_EQ(info.hSubMenu, item.popup) << where;
    if (item.command >= 0) {
      EXPECT_EQ(static_cast<int>(info.wID), item.command) << where;
    }
    EXPECT_EQ((info.fState & MFS_CHECKED) != 0, item.checked) << where;
  }
  const HMENU menus[] = {mainMenu,       fileMenu,      helpMenu,       editorFileMenu, editorEditMenu,
                         enemyEditorMenu, enemyViewMenu, itemEditorMenu, itemViewMenu,   psiEditorMenu,
                         textEditorMenu};
  const int counts[] = {2, 21, 2, 1, 2, 4, 10, 4, 10, 3, 3};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(GetMenuItemCount(menus[i]), counts[i]) << "menu " << i;
}

struct TreeItemCase {
  HTREEITEM item;
  HTREEITEM parent;
  const char* text;
  int image;
};

TEST_F(StartUp, TreeHoldsTheEditorsWithTheirImages) {
  const TreeItemCase cases[] = {
      {treeItems.root, nullptr, "Quillon", 0},     {treeItems.enemies, treeItems.root, "Enemies", 1},
      {treeItems.items, treeItems.root, "Items", 4}, {treeItems.psi, treeItems.root, "PSI", 7},
      {treeItems.names, treeItems.psi, "Names", 8},  {treeItems.teleport, treeItems.psi, "Teleport", 9},
      {treeItems.text, treeItems.root, "Text", 10},  {treeItems.about, treeItems.root, "About", 15},
      {treeItems.help, treeItems.root, "Help", 16},
  };
  HTREEITEM previousSibling = nullptr;
  for (const TreeItemCase& c : cases) {
    ASSERT_NE(c.item, nullptr) << c.text;
    char text[64] = {};
    TVITEMA item = {};
    item.hItem = c.item;
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ASSERT_TRUE(SendMessageA(treeView, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) << c.text;
    EXPECT_STREQ(text, c.text);
    EXPECT_EQ(item.iImage, c.image) << c.text;
    EXPECT_EQ(item.iSelectedImage, c.image) << c.text;
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageA(treeView, TVM_GETNEXTITEM, TVGN_PARENT,
                                                       reinterpret_cast<LPARAM>(c.item))),
              c.parent)
        << c.text;
    if (previousSibling && c.parent == treeItems.root) {
      EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageA(treeView, TVM_GETNEXTITEM, TVGN_NEXT,
                                                         reinterpret_cast<LPARAM>(previousSibling))),
                c.item)
          << c.text;
    }
    if (c.parent == treeItems.root) previousSibling = c.item;
  }
  EXPECT_TRUE(ShellAtStartUp().rootExpanded);
  EXPECT_FALSE(ShellAtStartUp().psiExpanded);

  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(treeView, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
  EXPECT_EQ(images, treeImageList);
  EXPECT_EQ(ImageList_GetImageCount(treeImageList), 18);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(treeImageList, &width, &height);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
}

TEST_F(StartUp, FileDialogRecordsShareTheirSettings) {
  struct Case {
    const OPENFILENAMEA* record;
    const char* filter;
    std::size_t filterLength;
    const char* extension;
    const char* buffer;
  } cases[] = {
      {&romFileDialog, "SNES ROM (*.smc, *.sfc, *.fig)\0*.smc;*.sfc;*.fig\0All files\0*.*\0\0", 62, "smc",
       romPathBuffer},
      {&textFileDialog, "Text files\0*.txt\0All files\0*.*\0\0", 32, "txt", textPathBuffer},
      {&ipsFileDialog, "IPS files\0*.ips\0All files\0*.*\0\0", 31, "ips", ipsPathBuffer},
  };
  for (const Case& c : cases) {
    const OPENFILENAMEA& record = *c.record;
    EXPECT_EQ(record.hwndOwner, mainWindow) << c.extension;
    EXPECT_EQ(record.hInstance, programInstance) << c.extension;
    EXPECT_EQ(std::memcmp(record.lpstrFilter, c.filter, c.filterLength), 0) << c.extension;
    EXPECT_EQ(record.lpstrCustomFilter, nullptr) << c.extension;
    EXPECT_EQ(record.nFilterIndex, 1u) << c.extension;
    EXPECT_EQ(record.lpstrFile, c.buffer) << c.extension;
    EXPECT_EQ(record.nMaxFile, 260u) << c.extension;
    EXPECT_EQ(record.lpstrFileTitle, nullptr) << c.extension;
    EXPECT_EQ(record.lpstrInitialDir, nullptr) << c.extension;
    EXPECT_EQ(record.lpstrTitle, nullptr) << c.extension;
    EXPECT_EQ(record.Flags, 0x1804u) << c.extension;
    EXPECT_STREQ(record.lpstrDefExt, c.extension);
  }
}

TEST_F(StartUp, FontsAreArialInThreeSizes) {
  struct Case {
    HFONT font;
    LONG height;
    LONG weight;
  } cases[] = {{smallFont, 13, 200}, {normalFont, 15, 200}, {titleFont, 36, 300}};
  for (const Case& c : cases) {
    LOGFONTA font = {};
    ASSERT_EQ(GetObjectA(c.font, sizeof(font), &font), static_cast<int>(sizeof(font)));
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfHeight, c.height);
    EXPECT_EQ(font.lfWeight, c.weight);
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(font.lfQuality, PROOF_QUALITY);
    EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
  }
}

TEST_F(StartUp, BackgroundRepeatsTheTileAndPaintsTheWindow) {
  BITMAP bitmap = {};
  ASSERT_TRUE(GetObjectA(backgroundBitmap, sizeof(bitmap), &bitmap));
  EXPECT_EQ(bitmap.bmWidth, 640);
  EXPECT_EQ(bitmap.bmHeight, 480);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, backgroundBitmap);
  // The tile is a checkerboard of 8-pixel squares, repeated every 16 pixels.
  const COLORREF corner = GetPixel(memory, 0, 0);
  EXPECT_NE(corner, GetPixel(memory, 8, 0));
  EXPECT_EQ(GetPixel(memory, 8, 8), corner);
  EXPECT_EQ(GetPixel(memory, 16, 0), corner);
  EXPECT_EQ(GetPixel(memory, 624, 464), corner);
  EXPECT_EQ(GetPixel(memory, 639, 479), GetPixel(memory, 15, 15));

  // A spot right of the tree, where only the background shows.
  const POINT spot = {300, 200};
  InvalidateRect(mainWindow, nullptr, FALSE);
  UpdateWindow(mainWindow);
  HDC window = GetDC(mainWindow);
  EXPECT_EQ(GetPixel(window, spot.x, spot.y), GetPixel(memory, spot.x, spot.y));
  ReleaseDC(mainWindow, window);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace
