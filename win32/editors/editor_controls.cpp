#include "win32/editors/editor_controls.h"

#include <commctrl.h>

#include "win32/app/app_state.h"
#include "win32/app/ctl3d.h"

namespace {

HWND CreateChild(const char* className, const char* text, DWORD style, HWND parent, int x, int y, int width,
                 int height, int id) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), programInstance, nullptr);
}

}  // namespace

HWND CreateEditBox(HWND parent, int x, int y, int width, int height, int id) {
  return CreateChild("EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, parent, x, y, width, height, id);
}

HWND CreateGroupBox(HWND parent, const char* label, int x, int y, int width, int height) {
  return CreateChild("BUTTON", label, BS_GROUPBOX, parent, x, y, width, height, 0);
}

HWND CreateLabel(HWND parent, const char* text, int x, int y, int width, int height, int id) {
  return CreateChild("STATIC", text, SS_LEFT, parent, x, y, width, height, id);
}

HWND CreateDropDownList(HWND parent, int x, int y, int width, int height, int id) {
  return CreateChild("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, parent, x, y, width, height, id);
}

HWND CreateColumnHeader(HWND parent, int x, int y, int width, int height,
                        std::initializer_list<HeaderColumn> columns) {
  HWND header = CreateChild(WC_HEADERA, "", HDS_BUTTONS | HDS_HORZ, parent, x, y, width, height, 0);
  int index = 0;
  for (const HeaderColumn& column : columns) {
    HDITEMA item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.cxy = column.width;
    item.pszText = const_cast<char*>(column.text);
    item.fmt = HDF_LEFT | HDF_STRING;
    SendMessageA(header, HDM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
  }
  return header;
}

bool IsOfClass(HWND window, const char* className) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof(name));
  return lstrcmpiA(name, className) == 0;
}

void UseEditorFont(HWND control) {
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont), TRUE);
}

HWND UseEditorFontAndLook(HWND control) {
  UseEditorFont(control);
  Ctl3dSubclassControl(control);
  return control;
}
