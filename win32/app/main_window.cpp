#include "win32/app/main_window.h"

#include <shellapi.h>

#include "win32/app/app_state.h"
#include "win32/app/background.h"
#include "win32/app/command_ids.h"
#include "win32/app/main_commands.h"
#include "win32/app/main_toolbar_and_tree.h"
#include "win32/app/menus.h"
#include "win32/app/status_line.h"
#include "win32/app/tool_bar_buttons.h"

namespace {

constexpr int kMainWindowWidth = 400;
constexpr int kMainWindowHeightBelowCaptions = 375;

void AnswerNotification(const NMHDR& header, LPARAM lParam) {
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = *reinterpret_cast<NMTTDISPINFOA*>(lParam);
    info.hinst = programInstance;
    info.lpszText = const_cast<char*>(ToolTipText(static_cast<int>(header.idFrom)));
  } else if (header.code == TVN_SELCHANGEDA && header.hwndFrom == treeView) {
    RefreshStatusLine();
  }
}

// A file dropped onto the window loads as Load ROM loads one; of several, the first.
void LoadDroppedFile(HDROP drop) {
  char path[MAX_PATH] = {};
  const UINT length = DragQueryFileA(drop, 0, path, sizeof(path));
  DragFinish(drop);
  if (length > 0) LoadRomFromPath(path);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintBackground(window);
      break;
    case WM_CLOSE:
      RunMainCommand(kCmdExit);
      return 0;
    case WM_NOTIFY:
      AnswerNotification(*reinterpret_cast<const NMHDR*>(lParam), lParam);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == 0) RunMainCommand(LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP:
      if (reinterpret_cast<HMENU>(wParam) == fileMenu) RefreshFileMenu();
      return 0;
    case WM_DROPFILES:
      LoadDroppedFile(reinterpret_cast<HDROP>(wParam));
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height) {
  return CreateWindowExA(0, className, text, style, x, y, width, height, mainWindow, nullptr, programInstance,
                         nullptr);
}

void CreateToolBarAndSeparator() {
  mainToolBar = CreateChild(TOOLBARCLASSNAMEA, "Tools", WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0,
                            100, 100);
  CreateChild("STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, -5, 33, 500, 2);
  SizeToolBar(mainToolBar);
}

}  // namespace

bool RegisterMainWindowClass() {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = programInstance;
  windowClass.hIcon = programIcons[1];
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassA(&windowClass) != 0;
}

void CreateMainWindowAndChildren() {
  const int x = GetSystemMetrics(SM_CXFULLSCREEN) / 2 - 200;
  const int y = GetSystemMetrics(SM_CYFULLSCREEN) / 2 - 200;
  InitCommonControls();
  mainWindow = CreateWindowExA(0, kMainWindowClass, "Quillon!", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               x, y, kMainWindowWidth,
                               2 * GetSystemMetrics(SM_CYCAPTION) + kMainWindowHeightBelowCaptions, nullptr,
                               mainMenu, programInstance, nullptr);
  DragAcceptFiles(mainWindow, TRUE);
  statusBar = CreateChild(STATUSCLASSNAMEA, "Quillon", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0);
  CreateToolBarAndSeparator();
  treeView = CreateChild(WC_TREEVIEWA, "Tree",
                         WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                             TVS_SHOWSELALWAYS,
                         5, 40, 200, 290);
}
