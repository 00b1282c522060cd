#include "tests/win32/text_fit.h"

#include <commctrl.h>

namespace {

std::string ClassOf(HWND control) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  return name;
}

std::string TextOf(HWND control) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, &text[0], static_cast<int>(text.size()))));
  return text;
}

// The text as drawn: "&&" shows one "&", a single "&" none.
std::string Drawn(const std::string& text) {
  std::string drawn;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    drawn += text[i];
  }
  return drawn;
}

// The room text takes in control's font; width limits a text that wraps, 0 for one line.
SIZE TextRoom(HWND control, const std::string& text, int width) {
  HDC dc = GetDC(control);
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT room = {0, 0, width, 0};
  const UINT flags = DT_CALCRECT | DT_NOPREFIX | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &room, flags);
  SelectObject(dc, oldFont);
  ReleaseDC(control, dc);
  return {room.right - room.left, room.bottom - room.top};
}

// The window being checked: a control's text shows only where the window does.
HWND checkedWindow = nullptr;

// The part of the control's client area that the checked window's client area shows, as a
// rectangle from 0,0.
RECT ClientOf(HWND control) {
  RECT client = {};
  GetClientRect(control, &client);
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&client), 2);
  RECT window = {};
  GetClientRect(checkedWindow, &window);
  MapWindowPoints(checkedWindow, nullptr, reinterpret_cast<POINT*>(&window), 2);
  RECT shown = {};
  IntersectRect(&shown, &client, &window);
  return {0, 0, shown.right - client.left, shown.bottom - client.top};
}

// A control that frames others (a tab control, a group box) rather than covering them.
bool IsFrame(HWND control) {
  if (lstrcmpiA(ClassOf(control).c_str(), WC_TABCONTROLA) == 0) return true;
  return lstrcmpiA(ClassOf(control).c_str(), "Button") == 0 &&
         (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// Whether the room text takes from the control's top left corner lies clear of every other
// shown control beside it, which would paint over it.
bool ClearOfSiblings(HWND control, SIZE room) {
  RECT text = {0, 0, room.cx, room.cy};
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&text), 2);
  for (HWND sibling = GetWindow(GetParent(control), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    RECT other = {};
    RECT both = {};
    GetWindowRect(sibling, &other);
    if (sibling == control || !IsWindowVisible(sibling) || IsFrame(sibling)) continue;
    if (IntersectRect(&both, &text, &other)) return false;
  }
  return true;
}

bool LabelFits(HWND control, const std::string& text) {
  const LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
  if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) {
    return true;
  }
  const RECT client = ClientOf(control);
  const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  const SIZE room = TextRoom(control, Drawn(text), wraps ? client.right : 0);
  return room.cx <= client.right && room.cy <= client.bottom && ClearOfSiblings(control, room);
}

bool ButtonFits(HWND control, const std::string& text) {
  const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  const SIZE room = TextRoom(control, Drawn(text), 0);
  const RECT client = ClientOf(control);
  const int checkBox = GetSystemMetrics(SM_CXMENUCHECK) + 4;
  switch (type) {
    case BS_GROUPBOX:
      return room.cx + 16 <= client.right;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return room.cx + checkBox <= client.right && room.cy <= client.bottom;
    case BS_OWNERDRAW:
      return true;
    default:
      return room.cx + 6 <= client.right && room.cy <= client.bottom;
  }
}

bool EditFits(HWND control, const std::string& text) {
  if (GetWindowLongA(control, GWL_STYLE) & ES_MULTILINE) return true;
  const LRESULT margins = SendMessageA(control, EM_GETMARGINS, 0, 0);
  const SIZE room = TextRoom(control, text, 0);
  return room.cx + LOWORD(margins) + HIWORD(margins) <= ClientOf(control).right;
}

// The entries of a drop-down or list box wider than the room beside its arrow or scroll bar.
void CheckEntries(HWND control, bool dropDown, std::vector<std::string>& cut) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const bool ownerDrawn = dropDown ? (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0
                                   : (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
  if (ownerDrawn) return;
  const int count = static_cast<int>(SendMessageA(control, dropDown ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
  const int beside = dropDown || (style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int room = ClientOf(control).right - beside - 4;
  for (int entry = 0; entry < count; ++entry) {
    char text[256] = {};
    SendMessageA(control, dropDown ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(entry),
                 reinterpret_cast<LPARAM>(text));
    if (TextRoom(control, text, 0).cx > room) {
      cut.push_back(ClassOf(control) + " " + std::to_string(GetDlgCtrlID(control)) + " entry \"" + text + "\"");
    }
  }
}

struct Search {
  std::vector<std::string> cut;
};

BOOL CALLBACK CheckControl(HWND control, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  if (!IsWindowVisible(control)) return TRUE;
  const std::string className = ClassOf(control);
  const std::string text = TextOf(control);
  bool fits = true;
  if (lstrcmpiA(className.c_str(), "Static") == 0) {
    fits = text.empty() || LabelFits(control, text);
  } else if (lstrcmpiA(className.c_str(), "Button") == 0) {
    fits = text.empty() || ButtonFits(control, text);
  } else if (lstrcmpiA(className.c_str(), "Edit") == 0) {
    // The edit of a drop-down box shows its entry, checked with the entries.
    fits = lstrcmpiA(ClassOf(GetParent(control)).c_str(), "ComboBox") == 0 || EditFits(control, text);
  } else if (lstrcmpiA(className.c_str(), "ComboBox") == 0) {
    CheckEntries(control, true, search.cut);
  } else if (lstrcmpiA(className.c_str(), "ListBox") == 0) {
    CheckEntries(control, false, search.cut);
  }
  if (!fits) search.cut.push_back(className + " " + std::to_string(GetDlgCtrlID(control)) + " \"" + text + "\"");
  return TRUE;
}

}  // namespace

std::vector<std::string> TextsThatDoNotFit(HWND window) {
  checkedWindow = window;
  Search search;
  EnumChildWindows(window, CheckControl, reinterpret_cast<LPARAM>(&search));
  return search.cut;
}
