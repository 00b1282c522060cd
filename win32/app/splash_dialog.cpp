#include "win32/app/splash_dialog.h"

INT_PTR CALLBACK SplashDialogProc(HWND window, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  EndDialog(window, 0);
  return TRUE;
}
