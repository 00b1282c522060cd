#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/rom/rom_messages.h"
#include "tests/support/fixture_image.h"
#include "win32/app/app_state.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/windows_platform.h"

namespace {

class RealPlatform : public ShellTest {
 protected:
  std::vector<SeenModalWindow> Show(const std::string& text, TextEncoding encoding) {
    return WatchModalWindows([&] { answer = real.ShowMessage(text, "Warning", kWarningBoxFlags, encoding); });
  }

  bool ShowsText(const SeenModalWindow& box, const std::wstring& text) {
    return std::find(box.texts.begin(), box.texts.end(), text) != box.texts.end();
  }

  WindowsPlatform real;
  int answer = 0;
};

TEST_F(RealPlatform, Mother2NoteReadsAsJapaneseOnAnySystem) {
  const auto boxes = Show(Mother2RomMessage(), TextEncoding::ShiftJis);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, L"Warning");
  const std::wstring expected =
      L"You have loaded a Mother 2 ROM.  However, the current version of Quillon is incompatible with it. "
      L"Any editing you do to this ROM will caused unexpected results.  Make sure to create a backup before "
      L"editing.\n\n"
      L"\u3042\u3044\u306b\u304f\u3067\u3059\u304c\u3001\u73fe\u5728\u3001MOTHER2\u306eROM\n"
      L"\u306f\u7121\u7406\u3067\u3059\u3002\u5c06\u6765\u3001\u7de8\u96c6\u3067\u304d\u308b\u3088\u3046\u306b\n"
      L"\u306a\u308b\u304b\u3082\u3057\u308c\u306a\u3044\u304b\u3089\u3001\u697d\u3057\u307f\u306b\u3057\u3066"
      L"\u4e0b\u3055\u3044!";
  EXPECT_TRUE(ShowsText(boxes[0], expected));
  EXPECT_EQ(answer, IDOK);
}

TEST_F(RealPlatform, AnsiWarningShowsItsText) {
  const auto boxes = Show("Error reading file.", TextEncoding::Ansi);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, L"Warning");
  EXPECT_TRUE(ShowsText(boxes[0], L"Error reading file."));
  EXPECT_EQ(answer, IDOK);
}

TEST_F(RealPlatform, FileDialogStartsAtThePathAndHandsBackTheChoice) {
  const std::string start = WriteFixtureRom("chosen.smc", RomKind::EarthBoundRom);
  std::string path = start;
  bool chosen = false;
  // The watcher presses Open, which accepts the name the dialog started with.
  const auto dialogs = WatchModalWindows([&] { chosen = real.ChooseFile(FileDialog::Rom, FileDialogMode::Open, path); });
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_TRUE(chosen);
  EXPECT_EQ(path, start);
  EXPECT_STREQ(romPathBuffer, start.c_str());
}

}  // namespace
