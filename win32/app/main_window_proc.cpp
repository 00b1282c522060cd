#include "win32/app/main_window_proc.h"

#include "win32/app/app_state.h"
#include "win32/app/background.h"
#include "win32/app/main_commands.h"
#include "win32/app/menus.h"
#include "win32/app/quit_program.h"
#include "win32/app/status_line.h"
#include "win32/app/tool_tips.h"

namespace {

void AnswerNotification(const NMHDR& header, LPARAM lParam) {
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = *reinterpret_cast<NMTTDISPINFOA*>(lParam);
    info.hinst = programInstance;
    info.lpszText = const_cast<char*>(ToolTipText(static_cast<int>(header.idFrom)));
  } else if (header.code == TVN_SELCHANGEDA && header.hwndFrom == treeView) {
    RefreshStatusLine();
  }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintBackground(window);
      break;
    case WM_CLOSE:
      QuitProgram();
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
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
