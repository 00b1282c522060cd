#include "win32/ips/create_ips_dialog.h"

INT_PTR CALLBACK CreateIpsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    EndDialog(window, 0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}
