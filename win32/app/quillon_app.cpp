#include "win32/app/quillon_app.h"

namespace {

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int RunQuillon(HINSTANCE instance, int showCommand) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
  windowClass.lpszClassName = "QuillonWindow";
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowExA(0, "QuillonWindow", "Quillon!", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                0, 0, 400, 375 + 2 * GetSystemMetrics(SM_CYCAPTION), nullptr, nullptr, instance,
                                nullptr);
  ShowWindow(window, showCommand);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
