#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "tests/support/fixture_image.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_line_file.h"

namespace {

TEST(FileNamedOnCommandLine, TakesTheQuotedOrBarePath) {
  struct Case {
    const char* arguments;
    const char* file;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {"C:\\roms\\game.smc", "C:\\roms\\game.smc"},
      {"\"C:\\my roms\\game.smc\"", "C:\\my roms\\game.smc"},
      {"  \"C:\\my roms\\game.smc\"  ", "C:\\my roms\\game.smc"},
      {"C:\\my roms\\game.smc", "C:\\my roms\\game.smc"},
      {"\"C:\\unclosed quote.smc", "C:\\unclosed quote.smc"},
  };
  for (const Case& c : cases) EXPECT_EQ(FileNamedOnCommandLine(c.arguments), c.file) << c.arguments;
}

// A drop of one file, as the shell hands it to the window.
HGLOBAL DropOf(const std::string& path) {
  const std::size_t size = sizeof(DROPFILES) + path.size() + 2;
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size());
  GlobalUnlock(memory);
  return memory;
}

using OpeningFiles = ShellTest;

TEST_F(OpeningFiles, AnImageDroppedOntoTheMainWindowLoadsAsLoadRomLoadsIt) {
  const std::string path = WriteFixtureRom("dropped.smc", RomKind::Mother2Rom);
  SendMessageA(mainWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(path)), 0);
  EXPECT_TRUE(romSession.romLoaded);
  EXPECT_EQ(romSession.romPath, path);
  EXPECT_EQ(recentRoms[0], path);
  ASSERT_EQ(recorder.messages.size(), 1u) << "the Mother 2 warning, as from Load ROM";
  EXPECT_EQ(recorder.messages[0].encoding, TextEncoding::ShiftJis);

  recorder.messages.clear();
  SendMessageA(mainWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(TempPath("no such image.smc"))), 0);
  EXPECT_FALSE(romSession.romLoaded);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text, "Error reading file.");
}

}  // namespace
