#include "win32/app/tool_bar_buttons.h"

#include <commctrl.h>

#include <vector>

#include "win32/app/app_state.h"

void SizeToolBar(HWND toolBar) {
  SendMessageA(toolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(20, 20));
  SendMessageA(toolBar, TB_SETBUTTONSIZE, 0, MAKELPARAM(26, 27));
  SendMessageA(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void AddToolBitmaps(HWND toolBar, std::initializer_list<int> bitmaps) {
  for (int bitmap : bitmaps) {
    TBADDBITMAP added = {programInstance, static_cast<UINT_PTR>(bitmap)};
    SendMessageA(toolBar, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&added));
  }
}

void AddToolButtons(HWND toolBar, std::initializer_list<ToolButton> buttons) {
  std::vector<TBBUTTON> added;
  for (const ToolButton& button : buttons) {
    TBBUTTON next = {};
    next.fsState = TBSTATE_ENABLED;
    if (button.image == kToolSeparator) {
      next.fsStyle = TBSTYLE_SEP;
    } else {
      next.iBitmap = button.image;
      next.idCommand = button.command;
      next.fsStyle = TBSTYLE_BUTTON;
    }
    added.push_back(next);
  }
  SendMessageA(toolBar, TB_ADDBUTTONSA, added.size(), reinterpret_cast<LPARAM>(added.data()));
  SendMessageA(toolBar, WM_SIZE, 0, 0);
}
