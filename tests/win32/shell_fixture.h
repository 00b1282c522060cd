#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "core/rom/rom_session.h"
#include "tests/support/recording_platform.h"
#include "tests/win32/settings_file_guard.h"

// Builds the shell once per test process as the program does, without the splash and
// without entering the loop, and shows the main window. It starts from another working
// folder, with kStartUpSettings in the settings file beside the program.
void StartShellOnce();
extern const char* const kStartUpSettings;

// What the shell looked like right after start-up, before any test touched it.
struct StartUpSnapshot {
  bool rootExpanded;
  bool psiExpanded;
  std::string statusLine;
  std::vector<std::string> recentMenuTexts;
};
const StartUpSnapshot& ShellAtStartUp();

// Runs the program's loop step over every message waiting in the queue.
void PumpMessages();

// A modal window that opened during WatchModalWindows: its procedure, texts, the IDs of its
// buttons and the icon it shows, if any.
struct SeenModalWindow {
  DLGPROC procedure;
  std::wstring title;
  std::vector<std::wstring> texts;
  std::vector<int> buttons;
  HICON icon;
  int defaultButton;  // 0 when no button is the default
};

// Runs action; every modal window owned by the main window that appears meanwhile is
// recorded and closed: by the button given when it has one (IDOK for message boxes), else
// by WM_CLOSE.
std::vector<SeenModalWindow> WatchModalWindows(const std::function<void()>& action, int button = IDOK);

std::string WindowText(HWND window);
std::string MenuText(HMENU menu, int position);
// The recent entries of the File menu, positions 5 to 9.
std::vector<std::string> RecentMenuTexts();
std::string StatusLine();
// Selects the item as a user would; the tree then notifies the main window.
void SelectTreeItem(HTREEITEM item);
// Selects the item afresh and returns the status line it leads to.
std::string StatusLineFor(HTREEITEM item);
void SendCommand(int command);
// Writes a fixture image of the kind to a fresh path and returns it.
std::string WriteFixtureRom(const std::string& name, RomKind kind, bool possessed = false);

// Each test starts with the shell up, no ROM loaded, an empty recent list (and File menu)
// and the recording platform in place; the settings file is put back afterwards.
class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  RecordingPlatform recorder;

 private:
  SettingsFileGuard settingsFile;
  Platform* previousPlatform = nullptr;
};
