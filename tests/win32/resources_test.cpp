#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/win32/dialog_template_reader.h"
#include "win32/app/windows_platform.h"
#include "win32/resources/resource.h"

namespace {

HMODULE Module() { return GetModuleHandleA(nullptr); }

const BYTE* ResourceBytes(int id, const char* type, DWORD* size) {
  HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), type);
  if (!found) return nullptr;
  *size = SizeofResource(Module(), found);
  return static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
}

DWORD Le32(const BYTE* at) { return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<DWORD>(at[3]) << 24); }
WORD Le16(const BYTE* at) { return static_cast<WORD>(at[0] | (at[1] << 8)); }

// The sizes an icon group offers, as "WxH" texts.
std::vector<std::string> IconSizes(int id) {
  DWORD size = 0;
  const BYTE* group = ResourceBytes(id, MAKEINTRESOURCEA(14), &size);  // RT_GROUP_ICON
  std::vector<std::string> sizes;
  if (!group || size < 6) return sizes;
  const WORD count = Le16(group + 4);
  for (WORD i = 0; i < count && 6u + 14u * (i + 1) <= size; ++i) {
    const BYTE* entry = group + 6 + 14 * i;
    sizes.push_back(std::to_string(entry[0] ? entry[0] : 256) + "x" + std::to_string(entry[1] ? entry[1] : 256));
  }
  return sizes;
}

TEST(Resources, EveryIconLoadsAtItsSize) {
  EXPECT_EQ(IconSizes(IDI_PROGRAM), (std::vector<std::string>{"32x32", "16x16"}));
  for (int id = IDI_PROGRAM; id <= IDI_LAST; ++id) {
    const int side = id == IDI_PROGRAM ? 32 : 16;
    if (id != IDI_PROGRAM) {
      EXPECT_EQ(IconSizes(id), std::vector<std::string>{"16x16"}) << "icon " << id;
    }
    HICON icon = static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, side, side, 0));
    ASSERT_NE(icon, nullptr) << "icon " << id;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info)) << "icon " << id;
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, side) << "icon " << id;
    EXPECT_EQ(colour.bmHeight, side) << "icon " << id;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

struct BitmapCase {
  int id;
  int width;
  int height;
};

TEST(Resources, EveryBitmapHasItsSize) {
  const BitmapCase cases[] = {
      {IDB_BACKGROUND_TILE, 16, 16},    {IDB_SPLASH, 500, 250},         {IDB_TOOL_OPEN_FOLDER, 20, 20},
      {IDB_TOOL_CLOSED_FOLDER, 20, 20}, {IDB_TOOL_BINOCULARS, 20, 20},  {IDB_TOOL_LIGHTNING, 20, 20},
      {IDB_TOOL_BOOK, 20, 20},          {IDB_PROGRESS_TILE_A, 16, 24},  {IDB_PROGRESS_TILE_B, 16, 24},
      {IDB_TOOL_IPS, 20, 20},           {IDB_TOOL_ABC, 20, 20},         {IDB_TOOL_123, 20, 20},
      {IDB_TOOL_UP_ARROW, 20, 20},      {IDB_TOOL_GHOST, 20, 20},
  };
  for (const BitmapCase& c : cases) {
    HBITMAP bitmap = LoadBitmapA(Module(), MAKEINTRESOURCEA(c.id));
    ASSERT_NE(bitmap, nullptr) << "bitmap " << c.id;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, c.width) << "bitmap " << c.id;
    EXPECT_EQ(info.bmHeight, c.height) << "bitmap " << c.id;
    DeleteObject(bitmap);
  }
}

// Colours of a bitmap resource at chosen points, read through a memory device context.
std::vector<COLORREF> BitmapColours(int id, const std::vector<POINT>& points) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = LoadBitmapA(Module(), MAKEINTRESOURCEA(id));
  HGDIOBJ old = SelectObject(dc, bitmap);
  std::vector<COLORREF> colours;
  for (const POINT& p : points) colours.push_back(GetPixel(dc, p.x, p.y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return colours;
}

TEST(Resources, BackgroundTileIsAGreenAndBlueCheckerboard) {
  // The four corners of each 8x8 square.
  const std::vector<COLORREF> c = BitmapColours(IDB_BACKGROUND_TILE, {{0, 0}, {7, 7}, {15, 15}, {8, 8}, {8, 0}, {15, 7}, {0, 8}, {7, 15}});
  EXPECT_EQ(c[0], c[1]);
  EXPECT_EQ(c[0], c[2]);
  EXPECT_EQ(c[0], c[3]);
  EXPECT_EQ(c[4], c[5]);
  EXPECT_EQ(c[4], c[6]);
  EXPECT_EQ(c[4], c[7]);
  const COLORREF green = c[0];
  const COLORREF blue = c[4];
  EXPECT_GT(GetGValue(green), GetBValue(green)) << "top-left square is light green";
  EXPECT_GT(GetBValue(blue), GetGValue(blue)) << "top-right square is light blue";
  EXPECT_GT(GetRValue(green) + GetGValue(green) + GetBValue(green), 3 * 180) << "light enough to read over";
  EXPECT_GT(GetRValue(blue) + GetGValue(blue) + GetBValue(blue), 3 * 180);
}

TEST(Resources, ToolBarImagesStandOnButtonFaceGrey) {
  const int tools[] = {IDB_TOOL_OPEN_FOLDER, IDB_TOOL_CLOSED_FOLDER, IDB_TOOL_BINOCULARS, IDB_TOOL_LIGHTNING,
                       IDB_TOOL_BOOK,        IDB_TOOL_IPS,           IDB_TOOL_ABC,        IDB_TOOL_123,
                       IDB_TOOL_UP_ARROW,    IDB_TOOL_GHOST};
  for (int id : tools) {
    for (COLORREF corner : BitmapColours(id, {{0, 0}, {19, 0}, {0, 19}, {19, 19}})) {
      EXPECT_EQ(corner, RGB(192, 192, 192)) << "bitmap " << id;
    }
  }
}

struct SoundCase {
  SoundId sound;
  DWORD rate;
  WORD bits;
  double seconds;
};

// Each sound is told from the others by its format and length, so this also proves that the
// platform plays each one from its own resource.
TEST(Resources, EverySoundIsMonoPcmOfItsFormatAndLength) {
  const SoundCase cases[] = {
      {SoundId::Splash, 22050, 16, 1.3},          {SoundId::RomLoaded, 22050, 8, 2.3},
      {SoundId::RomClosed, 22050, 8, 0.6},        {SoundId::IpsWritten, 11025, 8, 3.5},
      {SoundId::ListOrderChanged, 22050, 8, 0.15}, {SoundId::RomPossessed, 16000, 16, 2.0},
      {SoundId::RomUnpossessed, 16000, 16, 1.2},
  };
  for (const SoundCase& c : cases) {
    const int id = SoundResourceId(c.sound);
    DWORD size = 0;
    const BYTE* wave = ResourceBytes(id, "WAVE", &size);
    ASSERT_NE(wave, nullptr) << "sound " << id;
    ASSERT_GE(size, 12u);
    ASSERT_EQ(std::memcmp(wave, "RIFF", 4), 0) << "sound " << id;
    ASSERT_EQ(std::memcmp(wave + 8, "WAVE", 4), 0) << "sound " << id;
    EXPECT_LE(Le32(wave + 4) + 8, size) << "sound " << id;
    const BYTE* format = nullptr;
    DWORD dataSize = 0;
    for (DWORD at = 12; at + 8 <= size;) {
      const DWORD chunkSize = Le32(wave + at + 4);
      ASSERT_LE(at + 8 + chunkSize, size) << "sound " << id << ": chunk runs past the resource";
      if (std::memcmp(wave + at, "fmt ", 4) == 0) format = wave + at + 8;
      if (std::memcmp(wave + at, "data", 4) == 0) dataSize = chunkSize;
      at += 8 + chunkSize + chunkSize % 2;
    }
    ASSERT_NE(format, nullptr) << "sound " << id;
    EXPECT_EQ(Le16(format), 1) << "sound " << id << ": PCM";
    EXPECT_EQ(Le16(format + 2), 1) << "sound " << id << ": mono";
    EXPECT_EQ(Le32(format + 4), c.rate) << "sound " << id;
    EXPECT_EQ(Le16(format + 14), c.bits) << "sound " << id;
    EXPECT_EQ(Le16(format + 12), c.bits / 8) << "sound " << id << ": block align";
    const double seconds = static_cast<double>(dataSize) / (c.rate * (c.bits / 8));
    EXPECT_NEAR(seconds, c.seconds, c.seconds * 0.1) << "sound " << id;
  }
}

struct FrameCase {
  int id;
  DWORD style;
  int x, y, cx, cy;
  const char* caption;
  int fontSize;
  std::size_t controls;
};

TEST(Resources, DialogTemplatesHaveTheirFrames) {
  const DWORD kCaptioned = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
  const DWORD kSearch = kCaptioned | DS_MODALFRAME | DS_CENTER;
  const FrameCase cases[] = {
      {IDD_EDITOR_HOST, 0x80C80040, 0, 0, 250, 250, "Quillon", 8, 0},
      {IDD_SPLASH, WS_POPUP | DS_SETFONT, 10, 10, 250, 120, "", 8, 0},
      {IDD_ABOUT, kCaptioned, 10, 10, 250, 120, "About", 8, 4},
      {IDD_ENEMY_SEARCH, kSearch, 0, 0, 150, 55, "Search", 9, 4},
      {IDD_ITEM_SEARCH, kSearch, 0, 0, 150, 55, "Search", 9, 4},
      {IDD_CREATE_IPS, kCaptioned, 10, 10, 225, 105, "Create IPS", 9, 8},
      {IDD_CREATING_IPS, WS_POPUP | WS_CAPTION | DS_SETFONT, 15, 15, 100, 50, "Creating IPS", 9, 1},
  };
  for (const FrameCase& c : cases) {
    DialogTemplate dialog;
    ASSERT_TRUE(ReadDialogTemplate(Module(), c.id, &dialog)) << "dialog " << c.id;
    EXPECT_EQ(dialog.style, c.style) << "dialog " << c.id;
    EXPECT_EQ(dialog.x, c.x) << "dialog " << c.id;
    EXPECT_EQ(dialog.y, c.y) << "dialog " << c.id;
    EXPECT_EQ(dialog.cx, c.cx) << "dialog " << c.id;
    EXPECT_EQ(dialog.cy, c.cy) << "dialog " << c.id;
    EXPECT_EQ(dialog.caption, c.caption) << "dialog " << c.id;
    EXPECT_EQ(dialog.fontName, "MS Sans Serif") << "dialog " << c.id;
    EXPECT_EQ(dialog.fontSize, c.fontSize) << "dialog " << c.id;
    EXPECT_EQ(dialog.items.size(), c.controls) << "dialog " << c.id;
  }
}

struct ControlCase {
  int id;
  const char* className;
  const char* text;  // null: not compared (the About credits are free wording)
  DWORD style;
  int x, y, cx, cy;
};

const DWORD kText = WS_CHILD | WS_VISIBLE | SS_LEFT;
const DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
const DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
const DWORD kDefaultButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;

struct DialogControls {
  int dialog;
  std::vector<ControlCase> controls;
};

const DialogControls kDialogControls[] = {
    {IDD_ABOUT,
     {{-1, "Static", nullptr, kText, 10, 36, 290, 28},
      {-1, "Static", nullptr, kText, 10, 66, 290, 28},
      {-1, "Static", nullptr, kText, 10, 96, 290, 28},
      {-1, "Static", "See Help files for more stuff like this that nobody actually reads but we put in here anyway",
       kText, 10, 126, 290, 20}}},
    {IDD_ENEMY_SEARCH,
     {{-1, "Static", "Search in Enemy Names:", kText, 5, 5, 140, 10},
      {IDC_SEARCH_TEXT, "Edit", "", kEdit, 9, 20, 125, 12},
      {IDC_SEARCH_OK, "Button", "OK", kDefaultButton, 20, 35, 50, 15},
      {IDC_SEARCH_CANCEL, "Button", "Cancel", kButton, 75, 35, 50, 15}}},
    {IDD_ITEM_SEARCH,
     {{-1, "Static", "Search in Item Names:", kText, 5, 5, 140, 10},
      {IDC_SEARCH_TEXT, "Edit", "", kEdit, 9, 20, 125, 12},
      {IDC_SEARCH_OK, "Button", "OK", kDefaultButton, 20, 35, 50, 15},
      {IDC_SEARCH_CANCEL, "Button", "Cancel", kButton, 75, 35, 50, 15}}},
    {IDD_CREATE_IPS,
     {{-1, "Static", "Un-edited ROM to compare against:", kText, 5, 5, 150, 15},
      {IDC_UNEDITED_ROM_PATH, "Edit", "", kEdit, 9, 20, 150, 12},
      {IDC_BROWSE_UNEDITED_ROM, "Button", "Browse", kButton, 163, 20, 30, 12},
      {IDC_PATCH_PATH_LABEL, "Static", "IPS file to save to:", kText, 5, 40, 150, 15},
      {IDC_IPS_PATH, "Edit", "", kEdit, 9, 55, 150, 12},
      {IDC_BROWSE_IPS_PATH, "Button", "Browse", kButton, 163, 55, 30, 12},
      {IDC_CREATE_IPS, "Button", "Create IPS", kDefaultButton, 20, 85, 50, 15},
      {IDC_CREATE_IPS_DONE, "Button", "Done", kButton, 85, 85, 50, 15}}},
    {IDD_CREATING_IPS, {{IDC_IPS_PROGRESS_TEXT, "Static", "Working", kText, 10, 10, 100, 21}}},
};

TEST(Resources, DialogControlsAreStoredAsGiven) {
  for (const DialogControls& d : kDialogControls) {
    DialogTemplate dialog;
    ASSERT_TRUE(ReadDialogTemplate(Module(), d.dialog, &dialog)) << "dialog " << d.dialog;
    ASSERT_EQ(dialog.items.size(), d.controls.size()) << "dialog " << d.dialog;
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
      const ControlCase& want = d.controls[i];
      const DialogItemTemplate& got = dialog.items[i];
      const std::string where = "dialog " + std::to_string(d.dialog) + " control " + std::to_string(i);
      EXPECT_EQ(got.id, want.id) << where;
      EXPECT_STRCASEEQ(got.className.c_str(), want.className) << where;
      if (want.text) {
        EXPECT_EQ(got.text, want.text) << where;
      }
      EXPECT_FALSE(got.text.empty() && want.id == -1) << where << ": a label needs its text";
      EXPECT_EQ(got.style, want.style) << where;
      EXPECT_EQ(got.x, want.x) << where;
      EXPECT_EQ(got.y, want.y) << where;
      EXPECT_EQ(got.cx, want.cx) << where;
      EXPECT_EQ(got.cy, want.cy) << where;
    }
  }
}

INT_PTR CALLBACK IgnoringDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string WindowText(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Creating each dialog proves the system accepts the template; the controls land where
// their dialog units say, in the dialog's own font.
TEST(Resources, DialogsCreateWithTheirControlsInPlace) {
  const int emptyDialogs[] = {IDD_EDITOR_HOST, IDD_SPLASH};
  for (int id : emptyDialogs) {
    HWND dialog = CreateDialogParamA(Module(), MAKEINTRESOURCEA(id), nullptr, IgnoringDialogProc, 0);
    ASSERT_NE(dialog, nullptr) << "dialog " << id;
    EXPECT_EQ(GetWindow(dialog, GW_CHILD), nullptr) << "dialog " << id;
    DestroyWindow(dialog);
  }
  for (const DialogControls& d : kDialogControls) {
    HWND dialog = CreateDialogParamA(Module(), MAKEINTRESOURCEA(d.dialog), nullptr, IgnoringDialogProc, 0);
    ASSERT_NE(dialog, nullptr) << "dialog " << d.dialog;
    HWND child = GetWindow(dialog, GW_CHILD);
    for (std::size_t i = 0; i < d.controls.size(); ++i, child = GetWindow(child, GW_HWNDNEXT)) {
      const ControlCase& want = d.controls[i];
      const std::string where = "dialog " + std::to_string(d.dialog) + " control " + std::to_string(i);
      ASSERT_NE(child, nullptr) << where;
      if (want.id != -1) {
        EXPECT_EQ(GetDlgItem(dialog, want.id), child) << where;
      }
      EXPECT_STRCASEEQ(ClassOf(child).c_str(), want.className) << where;
      if (want.text) {
        EXPECT_EQ(WindowText(child), want.text) << where;
      }
      // The dialog manager converts the position and the size separately.
      RECT expected{want.x, want.y, want.cx, want.cy};
      MapDialogRect(dialog, &expected);
      RECT actual;
      GetWindowRect(child, &actual);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
      EXPECT_EQ(actual.left, expected.left) << where;
      EXPECT_EQ(actual.top, expected.top) << where;
      EXPECT_EQ(actual.right - actual.left, expected.right) << where;
      EXPECT_EQ(actual.bottom - actual.top, expected.bottom) << where;
    }
    EXPECT_EQ(child, nullptr) << "dialog " << d.dialog << " has no further controls";
    DestroyWindow(dialog);
  }
}

}  // namespace
