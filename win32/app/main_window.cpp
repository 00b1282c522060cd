#include "win32/app/main_window.h"

#include "win32/app/app_state.h"
#include "win32/app/main_window_proc.h"

namespace {

constexpr int kMainWindowWidth = 400;
constexpr int kMainWindowHeightBelowCaptions = 375;

HWND CreateChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height) {
  return CreateWindowExA(0, className, text, style, x, y, width, height, mainWindow, nullptr, programInstance,
                         nullptr);
}

void CreateToolBarAndSeparator() {
  mainToolBar = CreateChild(TOOLBARCLASSNAMEA, "Tools", WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0,
                            100, 100);
  CreateChild("STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, -5, 33, 500, 2);
  SendMessageA(mainToolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(20, 20));
  SendMessageA(mainToolBar, TB_SETBUTTONSIZE, 0, MAKELPARAM(26, 27));
  SendMessageA(mainToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
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
  statusBar = CreateChild(STATUSCLASSNAMEA, "Quillon", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0);
  CreateToolBarAndSeparator();
  treeView = CreateChild(WC_TREEVIEWA, "Tree",
                         WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                             TVS_SHOWSELALWAYS,
                         5, 40, 200, 290);
}
