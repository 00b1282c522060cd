#include "tests/win32/editor_fixture.h"

#include <commctrl.h>

#include <cstring>
#include <fstream>
#include <ostream>

#include "core/text/game_text.h"
#include "tests/win32/modal_driver.h"
#include "win32/app/app_state.h"
#include "win32/app/main_commands.h"
#include "win32/app/message_loop.h"

std::string EditorTest::LoadImage(const FixtureImage& image) {
  const std::string path = TempPath("editor.smc");
  image.WriteTo(path);
  LoadRomFromPath(path);
  recorder.sounds.clear();
  recorder.messages.clear();
  return path;
}

bool EditorTest::OpenFromTree(HTREEITEM item, const std::function<void(HWND editor)>& drive) {
  // "Names" and "Teleport" sit under "PSI", which starts collapsed.
  SendMessageA(treeView, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(treeItems.psi));
  RECT itemRect = {};
  // TVM_GETITEMRECT takes the item in the first bytes of the rectangle.
  std::memcpy(&itemRect, &item, sizeof(item));
  SendMessageA(treeView, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&itemRect));
  MSG doubleClick = {};
  doubleClick.hwnd = treeView;
  doubleClick.message = WM_LBUTTONDBLCLK;
  doubleClick.lParam = MAKELPARAM((itemRect.left + itemRect.right) / 2, (itemRect.top + itemRect.bottom) / 2);
  const bool opened = DriveModalDialog([&] { ProcessLoopMessage(doubleClick); }, drive);
  PumpMessages();
  return opened;
}

FixtureImage EarthBoundImage() {
  FixtureImage image;
  image.SetKind(RomKind::EarthBoundRom);
  return image;
}

ControlPlace PlaceOf(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::ostream& operator<<(std::ostream& out, const ControlPlace& place) {
  return out << "(" << place.x << ", " << place.y << ") " << place.width << "x" << place.height;
}

HWND FindChild(HWND parent, const char* className, const char* text) {
  return FindWindowExA(parent, nullptr, className, text);
}

namespace {

struct FindById {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM search) {
  auto* find = reinterpret_cast<FindById*>(search);
  if (GetDlgCtrlID(child) != find->id) return TRUE;
  find->found = child;
  return FALSE;
}

}  // namespace

HWND ControlById(HWND editor, int id) {
  FindById find{id, nullptr};
  EnumChildWindows(editor, MatchId, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

void TypeText(HWND control, const std::string& text) {
  SetWindowTextA(control, text.c_str());
}

int DarkPixelsOnScreen(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  HDC screen = GetDC(nullptr);
  int dark = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF pixel = GetPixel(screen, x, y);
      if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 64) ++dark;
    }
  }
  ReleaseDC(nullptr, screen);
  return dark;
}

void ClickApply(HWND editor) {
  HWND apply = FindChild(editor, "Button", "&Apply Changes");
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(apply), BN_CLICKED), reinterpret_cast<LPARAM>(apply));
}

std::vector<std::uint8_t> FileBytes(const std::string& path, std::uint32_t offset, std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  std::ifstream in(path, std::ios::binary);
  in.seekg(offset);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
  return in ? bytes : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> StoredText(const std::string& text, std::size_t length) {
  std::vector<std::uint8_t> stored(length, 0);
  for (std::size_t i = 0; i < text.size() && i < length; ++i) stored[i] = EncodeGameChar(text[i]);
  return stored;
}

HFONT FontOf(HWND control) {
  return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}
