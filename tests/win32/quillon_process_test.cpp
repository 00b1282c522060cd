#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win32/app/program_directory.h"

namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMainWindowOfProcess(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char title[64] = {};
  GetWindowTextA(window, title, sizeof(title));
  // The window exists, hidden, while the splash runs; it counts once it is shown.
  if (owner != search.processId || std::string(title) != "Quillon!" || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

HWND WaitForMainWindow(DWORD processId) {
  WindowSearch search{processId, nullptr};
  for (int attempt = 0; attempt < 600 && !search.found; ++attempt) {
    EnumWindows(FindMainWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(50);
  }
  return search.found;
}

TEST(QuillonProcess, StartsShowsItsMainWindowAndClosesCleanly) {
  std::string commandLine = "\"" + ProgramDirectory() + "quillon.exe\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process))
      << commandLine;

  const HWND window = WaitForMainWindow(process.dwProcessId);
  EXPECT_NE(window, nullptr);
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  const DWORD waited = WaitForSingleObject(process.hProcess, 15000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
