#include "win32/editors/misc_text_editor_window.h"

INT_PTR CALLBACK MiscTextEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    EndDialog(window, 0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}
