#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win32/editors/control_values.h"

namespace {

HWND Popup(const char* className, DWORD style) {
  return CreateWindowExA(0, className, "", WS_POPUP | style, 0, 0, 100, 200, nullptr, nullptr, nullptr, nullptr);
}

TEST(ControlValuesTest, TextIsReadWhole) {
  // Only what the apply makes of a text is cut to 24 characters.
  HWND box = Popup("EDIT", 0);
  ShowControlText(box, std::string(30, 'x'));
  EXPECT_EQ(ReadControlText(box), std::string(30, 'x'));
  ShowControlText(box, "$1f");
  EXPECT_EQ(ReadControlText(box), "$1f");
  DestroyWindow(box);
}

TEST(ControlValuesTest, ListSelectionAndCheckRoundTrip) {
  HWND list = Popup("COMBOBOX", CBS_DROPDOWNLIST);
  for (const char* entry : {"a", "b", "c"}) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  EXPECT_EQ(SelectedEntry(list), -1);
  SelectEntry(list, 2);
  EXPECT_EQ(SelectedEntry(list), 2);
  SelectEntry(list, -1);
  EXPECT_EQ(SelectedEntry(list), -1);
  SelectEntry(list, 7);
  EXPECT_EQ(SelectedEntry(list), -1);
  DestroyWindow(list);

  HWND box = Popup("BUTTON", BS_AUTOCHECKBOX);
  ShowCheck(box, true);
  EXPECT_TRUE(IsChecked(box));
  ShowCheck(box, false);
  EXPECT_FALSE(IsChecked(box));
  DestroyWindow(box);
}

}  // namespace
