#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/fixture_image.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/about_dialog.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/ips/create_ips_dialog.h"

namespace {

class MainCommands : public ShellTest {
 protected:
  void LoadThroughDialog(const std::string& path) {
    recorder.fileAnswers.push_back(path);
    SendCommand(kCmdLoadRom);
  }

  // The quit message the exit path posts, taken off the queue; -1 when there is none.
  int TakeQuitCode() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return -1;
    return static_cast<int>(message.wParam);
  }
};

TEST_F(MainCommands, LoadRomOpensTheDialogAtTheLatestRecentEntry) {
  recentRoms[0] = "C:\\roms\\previous.smc";
  const std::string path = WriteFixtureRom("dialog.smc", RomKind::EarthBoundRom);
  StatusLineFor(treeItems.root);
  LoadThroughDialog(path);

  ASSERT_EQ(recorder.fileChoices.size(), 1u);
  EXPECT_EQ(recorder.fileChoices[0].dialog, FileDialog::Rom);
  EXPECT_EQ(recorder.fileChoices[0].mode, FileDialogMode::Open);
  EXPECT_EQ(recorder.fileChoices[0].startPath, "C:\\roms\\previous.smc");
  EXPECT_TRUE(romSession.romLoaded);
  EXPECT_EQ(romSession.romKind, RomKind::EarthBoundRom);
  EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::RomLoaded});
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_EQ(StatusLine(), "Quillon! - EarthBound ROM - 3146240 bytes");
}

TEST_F(MainCommands, LoadingAFolderSaysItIsNoRegularFile) {
  const std::string folder = TempPath("folder.smc");
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  LoadThroughDialog(folder);
  EXPECT_FALSE(romSession.romLoaded);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].title, "Warning");
  EXPECT_EQ(recorder.messages[0].text, folder + " is not a regular file.");
  RemoveDirectoryA(folder.c_str());
}

TEST_F(MainCommands, CancelledLoadChangesNothing) {
  SendCommand(kCmdLoadRom);
  ASSERT_EQ(recorder.fileChoices.size(), 1u);
  EXPECT_EQ(recorder.fileChoices[0].startPath, "");
  EXPECT_FALSE(romSession.romLoaded);
  EXPECT_TRUE(recorder.sounds.empty());
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(MainCommands, Mother2NoteGoesThroughTheShiftJisBox) {
  LoadThroughDialog(WriteFixtureRom("mother2.smc", RomKind::Mother2Rom));
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].title, "Warning");
  EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(recorder.messages[0].encoding, TextEncoding::ShiftJis);
  EXPECT_EQ(romSession.romKind, RomKind::Mother2Rom);
}

TEST_F(MainCommands, RecentEntriesLoadOnlyWhenFilled) {
  SendCommand(kCmdRecentRom0 + 2);
  EXPECT_FALSE(romSession.romLoaded);
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_TRUE(recorder.sounds.empty());

  recentRoms[4] = WriteFixtureRom("recent.smc", RomKind::EarthBoundRom);
  SendCommand(kCmdRecentRom4);
  EXPECT_TRUE(romSession.romLoaded);
  EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::RomLoaded});
}

bool Greyed(int command) {
  SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(fileMenu), 0);
  return (GetMenuState(fileMenu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST_F(MainCommands, EmptyRecentEntriesAndCloseRomWithoutAnImageAreGreyed) {
  EXPECT_TRUE(Greyed(kCmdCloseRom));
  for (int command = kCmdRecentRom0; command <= kCmdRecentRom4; ++command) EXPECT_TRUE(Greyed(command)) << command;

  LoadThroughDialog(WriteFixtureRom("greyed.smc", RomKind::EarthBoundRom));
  EXPECT_FALSE(Greyed(kCmdCloseRom));
  EXPECT_FALSE(Greyed(kCmdRecentRom0)) << "the loaded image's entry";
  EXPECT_TRUE(Greyed(kCmdRecentRom0 + 1));
}

TEST_F(MainCommands, CloseRomPlaysItsSoundOnlyWhenARomWasLoaded) {
  LoadThroughDialog(WriteFixtureRom("close.smc", RomKind::EarthBoundRom));
  ASSERT_TRUE(romSession.romLoaded);
  StatusLineFor(treeItems.root);
  EnemySelection = 7;
  SendCommand(kCmdCloseRom);
  EXPECT_FALSE(romSession.romLoaded);
  EXPECT_EQ(romSession.romFile, nullptr);
  EXPECT_EQ(romSession.romKind, RomKind::NoRom);
  EXPECT_EQ(romSession.romSize, 0);
  EXPECT_EQ(EnemySelection, 0);
  EXPECT_EQ(recorder.sounds, (std::vector<SoundId>{SoundId::RomLoaded, SoundId::RomClosed}));
  EXPECT_EQ(StatusLine(), "Quillon! - No ROM loaded - 0 bytes");

  recorder.sounds.clear();
  EnemySelection = 5;
  SetWindowTextA(statusBar, "stale");
  SendCommand(kCmdCloseRom);
  EXPECT_TRUE(recorder.sounds.empty());
  EXPECT_EQ(EnemySelection, 0);
  EXPECT_EQ(StatusLine(), "Quillon! - No ROM loaded - 0 bytes");
}

TEST_F(MainCommands, WithoutRomThePatchMakersSayToLoadOneAndTheQuizDoesNothing) {
  SetWindowTextA(statusBar, "stale");
  const auto opened = WatchModalWindows([] {
    SendCommand(kCmdMakeIps);
    SendCommand(kCmdMakeBps);
    SendCommand(kCmdQuiz);
    PumpMessages();
  });
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(StatusLine(), "stale");
  ASSERT_EQ(recorder.messages.size(), 2u);
  for (const auto& message : recorder.messages) {
    EXPECT_EQ(message.text, "Load a ROM image first (File > Load ROM).");
    EXPECT_EQ(message.kind, MessageKind::Information);
  }
  EXPECT_TRUE(recorder.sounds.empty());
}

TEST_F(MainCommands, AboutAndMakeIpsOpenTheirDialogs) {
  auto opened = WatchModalWindows([] { SendCommand(kCmdAbout); });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].procedure, AboutDialogProc);

  LoadThroughDialog(WriteFixtureRom("ips.smc", RomKind::EarthBoundRom));
  opened = WatchModalWindows([] { SendCommand(kCmdMakeIps); });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].procedure, CreateIpsDialogProc);
}

TEST_F(MainCommands, QuizRefreshesTheStatusLineWhenARomIsLoaded) {
  LoadThroughDialog(WriteFixtureRom("quiz.smc", RomKind::EarthBoundRom));
  StatusLineFor(treeItems.items);
  SetWindowTextA(statusBar, "stale");
  recorder.messageAnswers = {MessageAnswer::Yes};
  SendCommand(kCmdQuiz);
  EXPECT_EQ(StatusLine(), "Modify Item Attributes");
}

TEST_F(MainCommands, HelpGoesToTheHelpFile) {
  SendCommand(kCmdHelp);
  EXPECT_EQ(recorder.helpOpened, 1);
}

TEST_F(MainCommands, ToolTipsNameTheButtons) {
  struct Case {
    int command;
    const char* text;
  } cases[] = {{kCmdLoadRom, "Load ROM"}, {kCmdCloseRom, "Close ROM"}, {kCmdHelp, "Help"},
               {kCmdMakeIps, "Create IPS"}, {kCmdQuiz, "???"}, {kCmdExit, nullptr}, {kCmdAbout, nullptr}};
  for (const Case& c : cases) {
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = mainToolBar;
    info.hdr.idFrom = static_cast<UINT_PTR>(c.command);
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(mainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    if (c.text) {
      EXPECT_STREQ(info.lpszText, c.text);
    } else {
      EXPECT_EQ(info.lpszText, nullptr) << c.command;
    }
    EXPECT_EQ(info.hinst, programInstance) << c.command;
  }
}

TEST_F(MainCommands, ExitClosesTheRomSilentlyAndEndsTheLoop) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
  } cases[] = {{"Exit", WM_COMMAND, kCmdExit}, {"close request", WM_CLOSE, 0}};
  for (const Case& c : cases) {
    LoadThroughDialog(WriteFixtureRom("exit.smc", RomKind::EarthBoundRom));
    ASSERT_TRUE(romSession.romLoaded) << c.name;
    recorder.sounds.clear();
    SendMessageA(mainWindow, c.message, c.wParam, 0);
    EXPECT_FALSE(romSession.romLoaded) << c.name;
    EXPECT_EQ(romSession.romFile, nullptr) << c.name;
    EXPECT_TRUE(recorder.sounds.empty()) << c.name;
    EXPECT_TRUE(recorder.messages.empty()) << c.name;
    EXPECT_TRUE(IsWindow(mainWindow)) << c.name;
    EXPECT_EQ(TakeQuitCode(), 0) << c.name;
  }
}

}  // namespace
