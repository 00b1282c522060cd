#include "win32/app/main_toolbar_and_tree.h"

#include "win32/app/app_state.h"
#include "win32/app/background.h"
#include "win32/app/command_ids.h"
#include "win32/app/file_dialog_records.h"
#include "win32/resources/resource.h"

namespace {

// Tool bar images 0 to 6, one bitmap each.
constexpr int kToolBarBitmaps[] = {IDB_TOOL_OPEN_FOLDER, IDB_TOOL_CLOSED_FOLDER, IDB_TOOL_BINOCULARS,
                                   IDB_TOOL_LIGHTNING,   IDB_TOOL_BOOK,          IDB_TOOL_IPS,
                                   IDB_TOOL_GHOST};
constexpr int kOpenFolderImage = 0;
constexpr int kClosedFolderImage = 1;
constexpr int kBookImage = 4;
constexpr int kIpsImage = 5;
constexpr int kGhostImage = 6;

// Icon numbers in image list order; tree items and editor tabs use these indices.
constexpr int kTreeImageIcons[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 11, 14, 15, 17, 12, 16, 18};

TBBUTTON Separator() {
  TBBUTTON button = {};
  button.fsStyle = TBSTYLE_SEP;
  return button;
}

TBBUTTON Button(int image, int command) {
  TBBUTTON button = {};
  button.iBitmap = image;
  button.idCommand = command;
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = TBSTYLE_BUTTON;
  return button;
}

void FillMainToolBar() {
  for (int bitmap : kToolBarBitmaps) {
    TBADDBITMAP added = {programInstance, static_cast<UINT_PTR>(bitmap)};
    SendMessageA(mainToolBar, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&added));
  }
  TBBUTTON buttons[] = {
      Separator(),
      Button(kOpenFolderImage, kCmdLoadRom),
      Button(kClosedFolderImage, kCmdCloseRom),
      Button(kIpsImage, kCmdMakeIps),
      Separator(),
      Button(kGhostImage, kCmdQuiz),
      Separator(),
      Button(kBookImage, kCmdHelp),
  };
  SendMessageA(mainToolBar, TB_ADDBUTTONSA, sizeof(buttons) / sizeof(buttons[0]), reinterpret_cast<LPARAM>(buttons));
  SendMessageA(mainToolBar, WM_SIZE, 0, 0);
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
