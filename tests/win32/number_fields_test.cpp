#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win32/editors/control_text.h"
#include "win32/editors/number_fields.h"

namespace {

class NumberFieldsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override { DestroyWindow(box); }
  std::string Text() const {
    char text[64] = {};
    GetWindowTextA(box, text, sizeof(text));
    return text;
  }
  void Type(const std::string& text) { SetWindowTextA(box, text.c_str()); }
  HWND box = nullptr;
};

TEST_F(NumberFieldsTest, ShowHelpersSetTheControlText) {
  ShowHex(box, 0);
  EXPECT_EQ(Text(), "$0");
  ShowHex(box, 0x1A);
  EXPECT_EQ(Text(), "$1A");
  ShowSigned(box, -5);
  EXPECT_EQ(Text(), "-5");
  ShowUnsigned(box, 4294967295u);
  EXPECT_EQ(Text(), "4294967295");
}

TEST_F(NumberFieldsTest, ReadHelpersSeeOnlyTheFirst24Characters) {
  const std::string blanks23(23, ' ');
  Type(blanks23 + "19");  // the 9 is the 25th character
  EXPECT_EQ(ReadIntClamped(box, 100), 1);
  EXPECT_EQ(ReadNumberClamped(box, 1000), 1u);
  Type("$" + std::string(23, '0') + "F");
  EXPECT_EQ(ReadDecOrHex(box), 0u);
  Type("300");
  EXPECT_EQ(ReadNumberClamped(box, 255), 255u);
  Type("$1f");
  EXPECT_EQ(ReadDecOrHex(box), 31u);
  Type(std::string(30, 'x'));
  EXPECT_EQ(ReadControlText(box), std::string(24, 'x'));
}

}  // namespace
