#include "win32/editors/editor_tool_bars.h"

#include <commctrl.h>

#include <initializer_list>

#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/resources/resource.h"

namespace {

constexpr int kSeparator = -1;

struct ToolButton {
  int image;  // kSeparator for a separator
  int command;
};

void PrepareToolBar(HWND toolBar, std::initializer_list<int> bitmaps) {
  SendMessageA(toolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(20, 20));
  SendMessageA(toolBar, TB_SETBUTTONSIZE, 0, MAKELPARAM(26, 27));
  SendMessageA(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  for (int bitmap : bitmaps) {
    TBADDBITMAP added = {programInstance, static_cast<UINT_PTR>(bitmap)};
    SendMessageA(toolBar, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&added));
  }
}

void AddToolButtons(HWND toolBar, std::initializer_list<ToolButton> buttons) {
  for (const ToolButton& button : buttons) {
    TBBUTTON added = {};
    added.fsState = TBSTATE_ENABLED;
    if (button.image == kSeparator) {
      added.fsStyle = TBSTYLE_SEP;
    } else {
      added.iBitmap = button.image;
      added.idCommand = button.command;
      added.fsStyle = TBSTYLE_BUTTON;
    }
    SendMessageA(toolBar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&added));
  }
  SendMessageA(toolBar, WM_SIZE, 0, 0);
}

}  // namespace

void SetUpListEditorToolBar(HWND toolBar) {
  PrepareToolBar(toolBar, {IDB_TOOL_OPEN_FOLDER, IDB_TOOL_CLOSED_FOLDER, IDB_TOOL_BINOCULARS, IDB_TOOL_LIGHTNING,
                           IDB_TOOL_BOOK, IDB_TOOL_ABC, IDB_TOOL_123, IDB_TOOL_UP_ARROW});
  AddToolButtons(toolBar, {{1, kCmdEditorCloseRom},
                           {2, kCmdFind},
                           {kSeparator, 0},
                           {6, kCmdListByOriginalOrder},
                           {5, kCmdListByName},
                           {7, kCmdListByGameOrderOrType},
                           {kSeparator, 0},
                           {4, kCmdEditorHelp}});
}

void SetUpTextEditorToolBar(HWND toolBar) {
  PrepareToolBar(toolBar, {IDB_TOOL_OPEN_FOLDER, IDB_TOOL_CLOSED_FOLDER, IDB_TOOL_BINOCULARS, IDB_TOOL_LIGHTNING,
                           IDB_TOOL_BOOK});
  AddToolButtons(toolBar, {{1, kCmdEditorCloseRom}, {kSeparator, 0}, {4, kCmdEditorHelp}});
}
