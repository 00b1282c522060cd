#include "win32/app/splash_dialog.h"

#include "win32/app/app_state.h"
#include "win32/app/modal_windows.h"
#include "win32/resources/resource.h"

namespace {

constexpr int kSplashWidth = 500;
constexpr int kSplashHeight = 250;

// Loaded while the splash is open.
HBITMAP splashBitmap = nullptr;

void PaintSplash(HWND window) {
  PAINTSTRUCT paint;
  HDC windowDc = BeginPaint(window, &paint);
  HDC bitmapDc = CreateCompatibleDC(windowDc);
  HGDIOBJ old = SelectObject(bitmapDc, splashBitmap);
  BitBlt(windowDc, 0, 0, kSplashWidth, kSplashHeight, bitmapDc, 0, 0, SRCCOPY);
  SelectObject(bitmapDc, old);
  DeleteDC(bitmapDc);
  EndPaint(window, &paint);
}

void EndSplash(HWND window) {
  KillTimer(window, kSplashTimer);
  DeleteObject(splashBitmap);
  splashBitmap = nullptr;
  EndDialog(window, kSplashResult);
}

}  // namespace

INT_PTR CALLBACK SplashDialogProc(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetTimer(window, kSplashTimer, kSplashMilliseconds, nullptr);
      splashBitmap = LoadBitmapA(programInstance, MAKEINTRESOURCEA(IDB_SPLASH));
      ShowCenteredOnScreen(window, kSplashWidth, kSplashHeight);
      platform->PlaySound(SoundId::Splash);
      return TRUE;
    case WM_PAINT:
      PaintSplash(window);
      return TRUE;
    case WM_TIMER:
    case WM_LBUTTONDOWN:
      EndSplash(window);
      return TRUE;
  }
  return FALSE;
}
