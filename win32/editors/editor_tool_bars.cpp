#include "win32/editors/editor_tool_bars.h"

#include "win32/app/command_ids.h"
#include "win32/app/tool_bar_buttons.h"
#include "win32/resources/resource.h"

namespace {

void PrepareToolBar(HWND toolBar, std::initializer_list<int> bitmaps) {
  SizeToolBar(toolBar);
  AddToolBitmaps(toolBar, bitmaps);
}

}  // namespace

void SetUpListEditorToolBar(HWND toolBar) {
  PrepareToolBar(toolBar, {IDB_TOOL_OPEN_FOLDER, IDB_TOOL_CLOSED_FOLDER, IDB_TOOL_BINOCULARS, IDB_TOOL_LIGHTNING,
                           IDB_TOOL_BOOK, IDB_TOOL_ABC, IDB_TOOL_123, IDB_TOOL_UP_ARROW});
  AddToolButtons(toolBar, {{1, kCmdEditorCloseRom},
                           {2, kCmdFind},
                           {kToolSeparator, 0},
                           {6, kCmdListByOriginalOrder},
                           {5, kCmdListByName},
                           {7, kCmdListByGameOrderOrType},
                           {kToolSeparator, 0},
                           {4, kCmdEditorHelp}});
}

void SetUpTextEditorToolBar(HWND toolBar) {
  PrepareToolBar(toolBar, {IDB_TOOL_OPEN_FOLDER, IDB_TOOL_CLOSED_FOLDER, IDB_TOOL_BINOCULARS, IDB_TOOL_LIGHTNING,
                           IDB_TOOL_BOOK});
  AddToolButtons(toolBar, {{1, kCmdEditorCloseRom}, {kToolSeparator, 0}, {4, kCmdEditorHelp}});
}
