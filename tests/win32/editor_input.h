#pragma once

#include <windows.h>

#include <string>

#include "tests/support/fixture_image.h"

// Keys as an editor's own loop takes them: the dialog manager (with the frame's keys before
// it) or else the focused control, then whatever that posted. modifier (VK_CONTROL,
// VK_SHIFT or 0) is held down meanwhile.
void PressKey(HWND editor, UINT message, WPARAM key, int modifier = 0);

// Items named "Item nnn" with, in name order, "Apple" (item 1, cost 10) and "Banana"
// (item 2, cost 20) first.
FixtureImage NamedItemsImage();
constexpr std::uint8_t kApple = 1;
constexpr std::uint8_t kBanana = 2;
