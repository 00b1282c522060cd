#include "win32/editors/editor_frame.h"

#include <commctrl.h>

#include "win32/app/app_state.h"
#include "win32/editors/editor_controls.h"
#include "win32/editors/editor_tool_bars.h"

namespace {

constexpr int kWindowHalfHeight = 225;
constexpr int kTabTop = 40;
constexpr int kTabHeight = 405;

HWND CreateFramePart(const char* className, const char* text, DWORD style, HWND parent, int x, int y, int width,
                     int height) {
  return CreateWindowExA(0, className, text, style, x, y, width, height, parent, nullptr, programInstance,
                         nullptr);
}

void PlaceEditorWindow(HWND window, int width) {
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  const int menu = GetSystemMetrics(SM_CYMENU);
  const int x = GetSystemMetrics(SM_CXFULLSCREEN) / 2 - width / 2;
  const int y = GetSystemMetrics(SM_CYFULLSCREEN) / 2 - (caption + menu / 2 + kWindowHalfHeight);
  SetWindowPos(window, nullptr, x, y, width, caption + menu + 2 * kWindowHalfHeight, SWP_SHOWWINDOW);
}

void InsertTabs(HWND tabControl, const std::vector<EditorTab>& tabs) {
  SendMessageA(tabControl, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(treeImageList));
  int index = 0;
  for (const EditorTab& tab : tabs) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<char*>(tab.text);
    item.iImage = tab.image;
    SendMessageA(tabControl, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace

EditorFrame BuildEditorFrame(HWND window, const EditorFrameLayout& layout) {
  EditorFrame frame;
  frame.layout = &layout;
  frame.window = window;

  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(programIcons[layout.smallIcon]));
  SetMenu(window, *layout.menuBar);
  PlaceEditorWindow(window, layout.width);

  frame.toolBar = CreateFramePart(TOOLBARCLASSNAMEA, "Tools", WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_TOP,
                                  window, 0, 0, 100, 100);
  frame.separator = CreateFramePart("STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, window, -5, 33, 640, 2);
  if (layout.toolBar == EditorToolBar::ListEditor) {
    SetUpListEditorToolBar(frame.toolBar);
  } else {
    SetUpTextEditorToolBar(frame.toolBar);
  }

  SetWindowTextA(window, layout.title);

  frame.tabControl = CreateFramePart(WC_TABCONTROLA, "Tabs", WS_CHILD | WS_VISIBLE, window, 0, kTabTop,
                                     layout.width - 5, kTabHeight);
  InsertTabs(frame.tabControl, layout.tabs);
  frame.groupBox = CreateTabGroupBox(frame, layout.groupBoxLabel);
  return frame;
}

HWND CreateTabGroupBox(const EditorFrame& frame, const char* label) {
  return CreateGroupBox(frame.tabControl, label, 5, 32, frame.layout->width - 15, 370);
}

void FinishEditorFrame(EditorFrame& frame) {
  frame.applyButton = CreateFramePart("BUTTON", "Apply Changes", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      frame.window, 465, 385, 100, 30);
  UseEditorFontAndLook(frame.applyButton);
  UseEditorFontAndLook(frame.tabControl);
  UseEditorFontAndLook(frame.groupBox);
}
