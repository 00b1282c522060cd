#include "win32/editors/editor_keys.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "win32/app/command_ids.h"
#include "win32/editors/editor_controls.h"
#include "win32/editors/unapplied_edits.h"

namespace {

struct EditorKey {
  WPARAM key;
  bool control;
  int command;
};

// A command an editor lacks is ignored there, as its menu lacks it.
constexpr EditorKey kEditorKeys[] = {
    {'F', true, kCmdFind},
    {VK_F3, false, kCmdFindNext},
    {VK_F1, false, kCmdEditorHelp},
    {'Z', true, kCmdUndoApply},
    {'Y', true, kCmdRedoApply},
};

HWND keyedEditor = nullptr;
HHOOK filterHook = nullptr;

bool IsDown(int key) {
  return GetKeyState(key) < 0;
}

// The edit part of a drop-down box is the box itself.
bool IsInsideDropDown(HWND control) {
  return IsOfClass(GetParent(control), "ComboBox");
}

bool IsTabStop(HWND control) {
  if (!IsWindowVisible(control) || !IsWindowEnabled(control) || IsInsideDropDown(control)) return false;
  if (IsOfClass(control, "Edit") || IsOfClass(control, "ComboBox") || IsOfClass(control, "ListBox") ||
      IsOfClass(control, WC_TABCONTROLA)) {
    return true;
  }
  return IsOfClass(control, "Button") && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
}

struct PlacedControl {
  HWND control;
  RECT rect;
};

BOOL CALLBACK CollectTabStop(HWND control, LPARAM list) {
  if (IsTabStop(control)) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    reinterpret_cast<std::vector<PlacedControl>*>(list)->push_back({control, rect});
  }
  return TRUE;
}

// Rows of controls from the top; within a row, from the left. Controls whose tops lie
// within a few pixels of a row's first control belong to that row.
std::vector<HWND> ControlsInReadingOrder(HWND editor) {
  constexpr LONG kRowTolerance = 8;
  std::vector<PlacedControl> placed;
  EnumChildWindows(editor, CollectTabStop, reinterpret_cast<LPARAM>(&placed));
  std::stable_sort(placed.begin(), placed.end(),
                   [](const PlacedControl& a, const PlacedControl& b) { return a.rect.top < b.rect.top; });
  for (std::size_t rowStart = 0; rowStart < placed.size();) {
    std::size_t rowEnd = rowStart + 1;
    while (rowEnd < placed.size() && placed[rowEnd].rect.top - placed[rowStart].rect.top < kRowTolerance) ++rowEnd;
    std::stable_sort(placed.begin() + static_cast<std::ptrdiff_t>(rowStart),
                     placed.begin() + static_cast<std::ptrdiff_t>(rowEnd),
                     [](const PlacedControl& a, const PlacedControl& b) { return a.rect.left < b.rect.left; });
    rowStart = rowEnd;
  }
  std::vector<HWND> order;
  for (const PlacedControl& p : placed) order.push_back(p.control);
  return order;
}

// The control that holds the focus, as the tab order knows it (an open list's parts count
// as the list).
HWND FocusedControl() {
  HWND focus = GetFocus();
  return IsInsideDropDown(focus) ? GetParent(focus) : focus;
}

void MoveFocus(bool backwards) {
  const std::vector<HWND> order = ControlsInReadingOrder(keyedEditor);
  if (order.empty()) return;
  const auto at = std::find(order.begin(), order.end(), FocusedControl());
  std::size_t next = 0;
  if (at != order.end()) {
    const auto index = static_cast<std::size_t>(at - order.begin());
    next = backwards ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
  } else if (backwards) {
    next = order.size() - 1;
  }
  // As the dialog manager moves it: the focus, the default button and an edit's selection.
  SendMessageA(keyedEditor, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(order[next]), TRUE);
}

// Ctrl+Z in an edit box the user has typed into since its record was shown undoes the typing.
bool UndoesTyping(const EditorKey& key) {
  const HWND focus = GetFocus();
  return key.command == kCmdUndoApply && IsOfClass(focus, "Edit") && HasUnappliedEditIn(keyedEditor, focus);
}

bool RunKeyCommand(WPARAM key) {
  for (const EditorKey& k : kEditorKeys) {
    if (k.key != key || k.control != IsDown(VK_CONTROL)) continue;
    if (UndoesTyping(k)) return false;
    SendMessageA(keyedEditor, WM_COMMAND, MAKEWPARAM(k.command, 0), 0);
    return true;
  }
  return false;
}

bool IsClosedList(HWND control) {
  if (!IsListControl(control)) return false;
  return !IsOfClass(control, "ComboBox") || !SendMessageA(control, CB_GETDROPPEDSTATE, 0, 0);
}

// True when the key is taken here and the dialog manager must not see it.
bool TakeKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.wParam == VK_TAB && !IsDown(VK_CONTROL)) {
    MoveFocus(IsDown(VK_SHIFT));
    return true;
  }
  if (message.wParam == VK_RETURN) return IsClosedList(FocusedControl());
  return RunKeyCommand(message.wParam);
}

// Posted before the message is handled, so a key down is looked at again by its key up.
bool MayChangeAControl(UINT message) {
  return message == WM_KEYDOWN || message == WM_CHAR || message == WM_KEYUP || message == WM_LBUTTONUP ||
         message == WM_MOUSEWHEEL;
}

bool IsInEditor(HWND window) {
  return window == keyedEditor || IsChild(keyedEditor, window);
}

LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX && keyedEditor) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    // An open drop-down list is a window of its own, outside the editor.
    if (MayChangeAControl(message.message)) PostMessageA(keyedEditor, kEditorInputMessage, 0, 0);
    if (IsInEditor(message.hwnd) && TakeKey(message)) return TRUE;
  }
  return CallNextHookEx(filterHook, code, wParam, lParam);
}

}  // namespace

bool IsListControl(HWND control) {
  return control && (IsOfClass(control, "ComboBox") || IsOfClass(control, "ListBox"));
}

void StartEditorKeys(HWND editor) {
  keyedEditor = editor;
  if (!filterHook) filterHook = SetWindowsHookExA(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId());
}

void StopEditorKeys() {
  keyedEditor = nullptr;
  if (filterHook) UnhookWindowsHookEx(filterHook);
  filterHook = nullptr;
}
