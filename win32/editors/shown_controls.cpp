#include "win32/editors/shown_controls.h"

#include <algorithm>

#include "win32/editors/control_values.h"
#include "win32/editors/editor_controls.h"

namespace {

struct Reading {
  const std::vector<HWND>* leftOut;
  ControlStates states;
};

// False for controls that hold no value of a record (labels, group boxes, buttons).
bool ReadState(HWND control, std::string& value) {
  if (IsOfClass(control, "Edit")) {
    value = ReadControlText(control);
  } else if (IsOfClass(control, "ComboBox")) {
    value = std::to_string(SelectedEntry(control));
  } else if (IsOfClass(control, "ListBox")) {
    value = std::to_string(SendMessageA(control, LB_GETCURSEL, 0, 0));
  } else if (IsOfClass(control, "Button") &&
             (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
    value = std::to_string(SendMessageA(control, BM_GETCHECK, 0, 0));
  } else {
    return false;
  }
  return true;
}

BOOL CALLBACK ReadOne(HWND control, LPARAM reading) {
  auto& r = *reinterpret_cast<Reading*>(reading);
  if (std::find(r.leftOut->begin(), r.leftOut->end(), control) != r.leftOut->end()) return TRUE;
  std::string value;
  if (ReadState(control, value)) r.states.push_back({control, value});
  return TRUE;
}

}  // namespace

ControlStates ReadControlStates(HWND editor, const std::vector<HWND>& leftOut) {
  Reading reading{&leftOut, {}};
  EnumChildWindows(editor, ReadOne, reinterpret_cast<LPARAM>(&reading));
  return reading.states;
}
