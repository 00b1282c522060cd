#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fixture_image.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"

namespace {

class RecentRomList : public ShellTest {
 protected:
  void LoadThroughDialog(const std::string& path) {
    recorder.fileAnswers.push_back(path);
    SendCommand(kCmdLoadRom);
  }

  // Loads four fresh images through the dialog; returns their paths, oldest first.
  std::vector<std::string> LoadFour() {
    std::vector<std::string> paths;
    for (const char* name : {"a.smc", "b.smc", "c.smc", "d.smc"}) {
      paths.push_back(WriteFixtureRom(name, RomKind::EarthBoundRom));
      LoadThroughDialog(paths.back());
    }
    return paths;
  }
};

TEST_F(RecentRomList, StartUpReadsTheProgramFoldersSettingsIntoTheMenu) {
  EXPECT_EQ(ShellAtStartUp().recentMenuTexts,
            (std::vector<std::string>{"&1 - C:\\roms\\newest.smc", "&2 - C:\\roms\\older.smc",
                                      "&3 - C:\\roms\\oldest.smc", "&4 - ", "&5 - "}));
}

TEST_F(RecentRomList, LoadsPutTheirPathFirstAndFailedLoadsLeaveTheList) {
  const std::vector<std::string> paths = LoadFour();
  LoadThroughDialog(paths[1]);
  LoadThroughDialog(TempPath("missing.smc"));
  ASSERT_EQ(recorder.messages.size(), 1u) << "the missing file is reported";
  EXPECT_EQ(RecentMenuTexts(), (std::vector<std::string>{"&1 - " + paths[1], "&2 - " + paths[3], "&3 - " + paths[2],
                                                    "&4 - " + paths[0], "&5 - "}));
}

TEST_F(RecentRomList, RecentEntryLoadsItsImageAndMovesUp) {
  const std::vector<std::string> paths = LoadFour();
  const std::string fifth = WriteFixtureRom("mother2.smc", RomKind::Mother2Rom);
  LoadThroughDialog(fifth);
  SendCommand(kCmdCloseRom);
  recorder.sounds.clear();
  recorder.messages.clear();

  // Entry 4 (menu "&4") is paths[1]; entry 5 stays where it is.
  SendCommand(kCmdRecentRom0 + 3);
  EXPECT_TRUE(romSession.romLoaded);
  EXPECT_EQ(romSession.romKind, RomKind::EarthBoundRom);
  EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::RomLoaded});
  EXPECT_EQ(RecentMenuTexts(), (std::vector<std::string>{"&1 - " + paths[1], "&2 - " + fifth, "&3 - " + paths[3],
                                                    "&4 - " + paths[2], "&5 - " + paths[0]}));

  SendCommand(kCmdRecentRom0 + 1);
  EXPECT_EQ(romSession.romKind, RomKind::Mother2Rom);
  EXPECT_EQ(MenuText(fileMenu, 5), "&1 - " + fifth);
}

TEST_F(RecentRomList, EmptyEntryDoesNothing) {
  const std::string path = WriteFixtureRom("only.smc", RomKind::EarthBoundRom);
  LoadThroughDialog(path);
  std::FILE* const loaded = romSession.romFile;
  recorder.sounds.clear();
  const std::vector<std::string> menu = RecentMenuTexts();

  for (int command = kCmdRecentRom0 + 1; command <= kCmdRecentRom4; ++command) SendCommand(command);
  EXPECT_EQ(romSession.romFile, loaded);
  EXPECT_TRUE(recorder.sounds.empty());
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_TRUE(recorder.fileChoices.size() == 1u) << "no dialog beyond the first load";
  EXPECT_EQ(RecentMenuTexts(), menu);
}

TEST_F(RecentRomList, ExitWritesFiveLinesBesideTheProgram) {
  const std::vector<std::string> paths = LoadFour();
  SendCommand(kCmdExit);
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(ReadFileText(ProgramSettingsPath()),
            paths[3] + "\r\n" + paths[2] + "\r\n" + paths[1] + "\r\n" + paths[0] + "\r\n\r\n");
}

}  // namespace
