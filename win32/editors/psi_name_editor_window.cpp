#include "win32/editors/psi_name_editor_window.h"

INT_PTR CALLBACK PsiNameEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    EndDialog(window, 0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}
