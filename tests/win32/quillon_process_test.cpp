#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/fixture_image.h"
#include "tests/win32/settings_file_guard.h"
#include "win32/app/program_directory.h"

namespace {

struct WindowSearch {
  DWORD processId;
  const char* className;
  const char* title;
  bool mustBeVisible;
  HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[64] = {};
  GetClassNameA(window, className, sizeof(className));
  char title[64] = {};
  GetWindowTextA(window, title, sizeof(title));
  if (owner != search.processId || (search.mustBeVisible && !IsWindowVisible(window))) return TRUE;
  if ((search.className && std::string(className) != search.className) ||
      (search.title && std::string(title) != search.title)) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

HWND WaitForWindow(WindowSearch search) {
  for (int attempt = 0; attempt < 600 && !search.found; ++attempt) {
    EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(50);
  }
  return search.found;
}

// Starts the program with the arguments after its path; false when it cannot start.
bool StartQuillon(const std::string& arguments, PROCESS_INFORMATION& process) {
  std::string commandLine = "\"" + ProgramDirectory() + "quillon.exe\"" + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process) != 0;
}

// Asks the program to close and waits for it; its exit code, or 99 when it had to be ended.
DWORD CloseQuillon(const PROCESS_INFORMATION& process, HWND window) {
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

TEST(QuillonProcess, ShowsTheSplashThenItsMainWindowAndClosesCleanly) {
  // The program reads its recent list beside itself and writes it back there at exit.
  const SettingsFileGuard settingsFile;
  WriteProgramSettings("C:\\roms\\first.smc\nC:\\roms\\second.smc\n");
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(StartQuillon("", process));

  const HWND splash = WaitForWindow({process.dwProcessId, "#32770", nullptr, true, nullptr});
  EXPECT_NE(splash, nullptr);
  const HWND window = WaitForWindow({process.dwProcessId, nullptr, "Quillon!", false, nullptr});
  EXPECT_NE(window, nullptr);
  if (splash && window) {
    EXPECT_EQ(GetWindow(splash, GW_OWNER), window);
    EXPECT_FALSE(IsWindowVisible(window)) << "the main window appears after the splash";
    PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  }
  if (window) {
    EXPECT_EQ(WaitForWindow({process.dwProcessId, nullptr, "Quillon!", true, nullptr}), window);
  }
  EXPECT_EQ(CloseQuillon(process, window), 0u);
  EXPECT_EQ(ReadFileText(ProgramSettingsPath()), "C:\\roms\\first.smc\r\nC:\\roms\\second.smc\r\n\r\n\r\n\r\n");
}

TEST(QuillonProcess, LoadsTheImageNamedOnItsCommandLine) {
  const SettingsFileGuard settingsFile;
  WriteProgramSettings("");
  const std::string path = TempPath("opened with.smc");
  FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(path);
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(StartQuillon(" \"" + path + "\"", process));

  const HWND splash = WaitForWindow({process.dwProcessId, "#32770", nullptr, true, nullptr});
  if (splash) PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  const std::string title = "Quillon! - " + path.substr(path.find_last_of('\\') + 1);
  const HWND window = WaitForWindow({process.dwProcessId, nullptr, title.c_str(), true, nullptr});
  EXPECT_NE(window, nullptr);
  EXPECT_EQ(CloseQuillon(process, window), 0u);
  EXPECT_EQ(ReadFileText(ProgramSettingsPath()).substr(0, path.size()), path) << "remembered as a loaded image";
}

}  // namespace
