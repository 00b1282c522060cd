#include "win32/app/main_toolbar_and_tree.h"

#include "win32/app/app_state.h"
#include "win32/app/background.h"
#include "win32/app/command_ids.h"
#include "win32/app/file_dialog_records.h"
#include "win32/app/tool_bar_buttons.h"
#include "win32/resources/resource.h"

namespace {

constexpr int kOpenFolderImage = 0;
constexpr int kClosedFolderImage = 1;
constexpr int kBookImage = 4;
constexpr int kIpsImage = 5;
constexpr int kGhostImage = 6;

// Icon numbers in image list order; tree items and editor tabs use these indices.
constexpr int kTreeImageIcons[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 11, 14, 15, 17, 12, 16, 18};

void FillMainToolBar() {
  // Images 0 to 6.
  AddToolBitmaps(mainToolBar, {IDB_TOOL_OPEN_FOLDER, IDB_TOOL_CLOSED_FOLDER, IDB_TOOL_BINOCULARS, IDB_TOOL_LIGHTNING,
                               IDB_TOOL_BOOK, IDB_TOOL_IPS, IDB_TOOL_GHOST});
  AddToolButtons(mainToolBar, {{kToolSeparator, 0},
                               {kOpenFolderImage, kCmdLoadRom},
                               {kClosedFolderImage, kCmdCloseRom},
                               {kIpsImage, kCmdMakeIps},
                               {kToolSeparator, 0},
                               {kGhostImage, kCmdQuiz},
                               {kToolSeparator, 0},
                               {kBookImage, kCmdHelp}});
}

HTREEITEM InsertTreeItem(HTREEITEM parent, const char* text, int image) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<char*>(text);
  insert.item.iImage = image;
  insert.item.iSelectedImage = image;
  return reinterpret_cast<HTREEITEM>(SendMessageA(treeView, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillTree() {
  treeItems.root = InsertTreeItem(TVI_ROOT, "Quillon", 0);
  treeItems.enemies = InsertTreeItem(treeItems.root, "Enemies", 1);
  treeItems.items = InsertTreeItem(treeItems.root, "Items", 4);
  treeItems.psi = InsertTreeItem(treeItems.root, "PSI", 7);
  treeItems.names = InsertTreeItem(treeItems.psi, "Names", 8);
  treeItems.teleport = InsertTreeItem(treeItems.psi, "Teleport", 9);
  treeItems.text = InsertTreeItem(treeItems.root, "Text", 10);
  treeItems.about = InsertTreeItem(treeItems.root, "About", 15);
  treeItems.help = InsertTreeItem(treeItems.root, "Help", 16);
  SendMessageA(treeView, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(treeItems.root));
}

void GiveTreeItsImages() {
  treeImageList = ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 10, 10);
  for (int icon : kTreeImageIcons) ImageList_AddIcon(treeImageList, programIcons[icon]);
  SendMessageA(treeView, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(treeImageList));
}

}  // namespace

void SetUpMainToolBarAndTree() {
  FillMainToolBar();
  FillTree();
  GiveTreeItsImages();
  FillFileDialogRecords();
  BuildBackgroundBitmap();
}

const char* ToolTipText(int command) {
  switch (command) {
    case kCmdLoadRom:
      return "Load ROM";
    case kCmdCloseRom:
      return "Close ROM";
    case kCmdHelp:
      return "Help";
    case kCmdMakeIps:
      return "Create IPS";
    case kCmdQuiz:
      return "???";
  }
  return nullptr;
}
