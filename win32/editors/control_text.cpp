#include "win32/editors/control_text.h"

std::string ReadControlText(HWND control) {
  char text[kControlTextBufferSize] = {};
  GetWindowTextA(control, text, kControlTextBufferSize);
  return text;
}

void ShowControlText(HWND control, const std::string& text) {
  SetWindowTextA(control, text.c_str());
}
