#include "win32/app/about_dialog.h"

INT_PTR CALLBACK AboutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    EndDialog(window, 0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}
