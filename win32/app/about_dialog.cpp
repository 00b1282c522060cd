#include "win32/app/about_dialog.h"

#include "win32/app/app_state.h"
#include "win32/app/modal_windows.h"
#include "quillon_version.h"

const char* const kVersionLine = "Quillon, version " QUILLON_VERSION;

namespace {

constexpr int kAboutWidth = 500;
constexpr int kAboutHeight = 300;

void AddVersionLine(HWND window) {
  HWND line = CreateWindowExA(0, "STATIC", kVersionLine, WS_CHILD | WS_VISIBLE | SS_SIMPLE, 0, 0, 400, 50, window,
                              nullptr, programInstance, nullptr);
  SendMessageA(line, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont), TRUE);
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      AddVersionLine(window);
      ShowCenteredOnScreen(window, kAboutWidth, kAboutHeight);
      return TRUE;
    case WM_CLOSE:
    case WM_TIMER:
    case WM_LBUTTONDOWN:
      EndDialog(window, kAboutResult);
      return TRUE;
    case WM_COMMAND:
      // Escape.
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      EndDialog(window, kAboutResult);
      return TRUE;
  }
  return FALSE;
}
