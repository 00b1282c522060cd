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
                     int height, int id = 0) {
  return CreateWindowExA(0, className, text, style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), programInstance, nullptr);
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

// A drop-down list opens at least this many rows high.
constexpr int kDroppedRows = 20;

// How many pixels the open list of a drop-down box lacks for kDroppedRows rows.
int DroppedShortfall(HWND box) {
  RECT dropped = {};
  SendMessageA(box, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  RECT field = {};
  GetWindowRect(box, &field);
  const int rowHeight = static_cast<int>(SendMessageA(box, CB_GETITEMHEIGHT, 0, 0));
  return kDroppedRows * rowHeight - ((dropped.bottom - dropped.top) - (field.bottom - field.top));
}

// The height a drop-down box is given is not all list (borders and the field take part of
// it, differently on each system), so the list is measured after a resize and the
// remainder added once more.
BOOL CALLBACK DeepenDropDownList(HWND control, LPARAM) {
  if (!IsOfClass(control, "ComboBox")) return TRUE;
  RECT dropped = {};
  SendMessageA(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  int height = dropped.bottom - dropped.top;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int shortfall = DroppedShortfall(control);
    if (shortfall <= 0) break;
    height += shortfall;
    SetWindowPos(control, nullptr, 0, 0, dropped.right - dropped.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return TRUE;
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
  frame.applyButton = CreateFramePart("BUTTON", "&Apply Changes", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                         frame.window, 465, 385, 100, 30, kApplyButtonId);
  frame.writtenLine = CreateFramePart("STATIC", "", WS_CHILD | WS_VISIBLE | SS_RIGHT, frame.window, 305, 418, 260,
                                         16, kWrittenLineId);
  UseEditorFont(frame.writtenLine);
  EnumChildWindows(frame.window, DeepenDropDownList, 0);
  UseEditorFontAndLook(frame.applyButton);
  UseEditorFontAndLook(frame.tabControl);
  UseEditorFontAndLook(frame.groupBox);
}
