#include "tests/win32/editor_input.h"

#include <cstdio>

#include "tests/support/table_fixture.h"
#include "tests/win32/editor_fixture.h"
#include "tests/win32/shell_fixture.h"

namespace {

void HoldKey(int key, bool down) {
  if (!key) return;
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[key] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

}  // namespace

void PressKey(HWND editor, UINT message, WPARAM key, int modifier) {
  HoldKey(modifier, true);
  MSG press = {GetFocus() ? GetFocus() : editor, message, key, 0, 0, {}};
  if (!IsDialogMessageA(editor, &press)) {
    TranslateMessage(&press);
    DispatchMessageA(&press);
  }
  HoldKey(modifier, false);
  PumpMessages();
}

FixtureImage NamedItemsImage() {
  FixtureImage image = EarthBoundImage();
  for (int n = 0; n < 256; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "Item %03d", n);
    PutItem(image, static_cast<std::uint8_t>(n), {name});
  }
  PutItem(image, kApple, {"Apple", 0, 10});
  PutItem(image, kBanana, {"Banana", 0, 20});
  return image;
}
