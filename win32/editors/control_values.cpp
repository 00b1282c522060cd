#include "win32/editors/control_values.h"

std::string ReadControlText(HWND control) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, &text[0], static_cast<int>(text.size()))));
  return text;
}

void ShowControlText(HWND control, const std::string& text) {
  SetWindowTextA(control, text.c_str());
}

namespace {

// The item data that marks a list's "(other: N)" entry.
constexpr LRESULT kOtherEntryData = -2;

bool IsOtherEntry(HWND list, LRESULT entry) {
  return entry >= 0 && SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0) == kOtherEntryData;
}

}  // namespace

int SelectedEntry(HWND list) {
  const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
  return IsOtherEntry(list, selected) ? -1 : static_cast<int>(selected);
}

void SelectEntry(HWND list, int entry) {
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

void SelectEntryOfStored(HWND list, int entry, std::uint32_t stored) {
  const LRESULT last = SendMessageA(list, CB_GETCOUNT, 0, 0) - 1;
  if (IsOtherEntry(list, last)) SendMessageA(list, CB_DELETESTRING, static_cast<WPARAM>(last), 0);
  if (entry >= 0) {
    SelectEntry(list, entry);
    return;
  }
  const std::string text = "(other: " + std::to_string(stored) + ")";
  const LRESULT other =
      SendMessageA(list, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(other), kOtherEntryData);
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(other), 0);
}

bool IsChecked(HWND box) {
  return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ShowCheck(HWND box, bool checked) {
  SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
