#include "tests/win32/label_fit.h"

#include "win32/app/app_state.h"

namespace {

struct LabelSearch {
  HWND group;
  std::vector<std::string> tooNarrow;
};

BOOL CALLBACK CheckLabel(HWND control, LPARAM context) {
  auto& search = *reinterpret_cast<LabelSearch*>(context);
  char className[16] = "";
  GetClassNameA(control, className, sizeof className);
  if (GetParent(control) != search.group || lstrcmpiA(className, "Static") != 0) return TRUE;
  char text[64] = "";
  const int length = GetWindowTextA(control, text, sizeof text);
  RECT client;
  GetClientRect(control, &client);
  HDC dc = GetDC(control);
  HGDIOBJ oldFont = SelectObject(dc, normalFont);
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text, length, &extent);
  SelectObject(dc, oldFont);
  ReleaseDC(control, dc);
  if (extent.cx > client.right) search.tooNarrow.push_back(text);
  return TRUE;
}

}  // namespace

std::vector<std::string> LabelsTooNarrowForTheirText(HWND group) {
  LabelSearch search{group, {}};
  EnumChildWindows(group, CheckLabel, reinterpret_cast<LPARAM>(&search));
  return search.tooNarrow;
}
