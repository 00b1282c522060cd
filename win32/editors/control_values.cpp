#include "win32/editors/control_values.h"

std::string ReadControlText(HWND control) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, &text[0], static_cast<int>(text.size()))));
  return text;
}

void ShowControlText(HWND control, const std::string& text) {
  SetWindowTextA(control, text.c_str());
}

int SelectedEntry(HWND list) {
  return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
}

void SelectEntry(HWND list, int entry) {
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

bool IsChecked(HWND box) {
  return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ShowCheck(HWND box, bool checked) {
  SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
