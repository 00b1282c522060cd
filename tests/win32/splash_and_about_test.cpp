#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win32/modal_driver.h"
#include "quillon_version.h"
#include "tests/win32/text_fit.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/about_dialog.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/splash_dialog.h"
#include "win32/resources/resource.h"

namespace {

// What a test does to the dialog once it is up; runs once, from the dialog's own loop.
std::function<void(HWND)> onDialogShown;
DLGPROC watchedProcedure = nullptr;

BOOL CALLBACK HandleWatchedDialog(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  if (reinterpret_cast<DLGPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC)) != watchedProcedure) return TRUE;
  auto action = std::move(onDialogShown);
  onDialogShown = nullptr;
  if (action) action(window);
  return FALSE;
}

void CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD) {
  if (onDialogShown) EnumThreadWindows(GetCurrentThreadId(), HandleWatchedDialog, 0);
}

struct DialogRun {
  INT_PTR result;
  DWORD milliseconds;
};

// Opens the dialog modal to the main window as the shell does, calls action once it is
// shown, and returns how it ended.
DialogRun RunDialog(int templateId, DLGPROC procedure, std::function<void(HWND)> action) {
  watchedProcedure = procedure;
  onDialogShown = std::move(action);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, WatchTick);
  const DWORD start = GetTickCount();
  const INT_PTR result = DialogBoxParamA(programInstance, MAKEINTRESOURCEA(templateId), mainWindow, procedure, 0);
  const DWORD elapsed = GetTickCount() - start;
  KillTimer(nullptr, timer);
  onDialogShown = nullptr;
  return {result, elapsed};
}

RECT ScreenRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

void ExpectCenteredAt(HWND window, int width, int height, const char* name) {
  const RECT rect = ScreenRect(window);
  EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXFULLSCREEN) / 2 - width / 2) << name;
  EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYFULLSCREEN) / 2 - height / 2) << name;
  EXPECT_EQ(rect.right - rect.left, width) << name;
  EXPECT_EQ(rect.bottom - rect.top, height) << name;
}

// Compares a grid of the window's pixels with the splash bitmap.
int PixelsDifferingFromSplashBitmap(HWND window) {
  UpdateWindow(window);
  HDC windowDc = GetDC(window);
  HDC bitmapDc = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = LoadBitmapA(programInstance, MAKEINTRESOURCEA(IDB_SPLASH));
  HGDIOBJ old = SelectObject(bitmapDc, bitmap);
  int differing = 0;
  for (int y = 5; y < 250; y += 40) {
    for (int x = 5; x < 500; x += 45) differing += GetPixel(windowDc, x, y) != GetPixel(bitmapDc, x, y);
  }
  SelectObject(bitmapDc, old);
  DeleteObject(bitmap);
  DeleteDC(bitmapDc);
  ReleaseDC(window, windowDc);
  return differing;
}

class Splash : public ShellTest {};

TEST_F(Splash, ShowsItsPictureWithItsSoundAndEndsByItsTimer) {
  bool shown = false;
  const DialogRun run = RunDialog(IDD_SPLASH, SplashDialogProc, [&](HWND splash) {
    shown = true;
    ExpectCenteredAt(splash, 500, 250, "splash");
    EXPECT_EQ(GetWindowLongA(splash, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_POPUP), WS_POPUP);
    EXPECT_EQ(PixelsDifferingFromSplashBitmap(splash), 0);
    EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::Splash});
  });
  EXPECT_TRUE(shown);
  EXPECT_EQ(run.result, 5);
  EXPECT_GE(run.milliseconds, 2900u) << "only the three-second timer ends an untouched splash";
}

TEST_F(Splash, EndsAtAClick) {
  const DialogRun run = RunDialog(IDD_SPLASH, SplashDialogProc, [](HWND splash) {
    PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
  });
  EXPECT_EQ(run.result, 5);
  EXPECT_LT(run.milliseconds, 2900u) << "the click, not the timer, ended it";
  EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::Splash});
}

class AboutBox : public ShellTest {};

std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    texts.push_back(WindowText(child));
  }
  return texts;
}

TEST_F(AboutBox, ShowsTheVersionInTheTitleFontOverFourTexts) {
  bool shown = false;
  const DialogRun run = RunDialog(IDD_ABOUT, AboutDialogProc, [&](HWND about) {
    shown = true;
    EXPECT_EQ(WindowText(about), "About");
    ExpectCenteredAt(about, 500, 300, "About box");
    const HWND version = FindWindowExA(about, nullptr, "Static", "Quillon, version " QUILLON_VERSION);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(version, WM_GETFONT, 0, 0)), titleFont);
    EXPECT_EQ(GetWindowLongA(version, GWL_STYLE) & SS_TYPEMASK, SS_SIMPLE);
    RECT rect = ScreenRect(version);
    MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 400);
    EXPECT_EQ(rect.bottom, 50);

    const std::vector<std::string> texts = StaticTexts(about);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[3], "See Help files for more stuff like this that nobody actually reads but we put in here anyway");
    for (const std::string& text : texts) EXPECT_FALSE(text.empty());
    EXPECT_EQ(TextsThatDoNotFit(about), std::vector<std::string>{});
    PostMessageA(about, WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(shown);
  EXPECT_EQ(run.result, 5);
}

TEST_F(AboutBox, EndsAtATimerOrAClick) {
  const UINT endings[] = {WM_TIMER, WM_LBUTTONDOWN};
  for (UINT ending : endings) {
    const DialogRun run = RunDialog(IDD_ABOUT, AboutDialogProc,
                                    [ending](HWND about) { PostMessageA(about, ending, 0, 0); });
    EXPECT_EQ(run.result, 5) << ending;
  }
}

TEST_F(AboutBox, EndsAtEscape) {
  bool endedByEscape = false;
  ASSERT_TRUE(DriveModalDialog([] { SendCommand(kCmdAbout); }, [&](HWND about) {
    // What the dialog's loop does with the key.
    MSG escape = {about, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    IsDialogMessageA(about, &escape);
    endedByEscape = !IsWindowVisible(about);
  }));
  EXPECT_TRUE(endedByEscape);
}

}  // namespace
