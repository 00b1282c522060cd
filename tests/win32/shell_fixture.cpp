#include "tests/win32/shell_fixture.h"

#include <map>

#include "core/rom/possession.h"
#include "tests/support/fixture_image.h"
#include "win32/app/app_state.h"
#include "win32/app/main_toolbar_and_tree.h"
#include "win32/app/message_loop.h"
#include "win32/app/quillon_app.h"
#include "win32/app/recent_rom_list.h"

namespace {

std::vector<SeenModalWindow>* seenWindows = nullptr;
int pressedButton = IDOK;

std::wstring WideText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

bool IsButton(HWND control) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof(className));
  return control && lstrcmpiA(className, "Button") == 0;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM seenWindow) {
  SeenModalWindow& seen = *reinterpret_cast<SeenModalWindow*>(seenWindow);
  seen.texts.push_back(WideText(child));
  // A message box keeps the buttons it does not offer, hidden.
  if (IsButton(child) && (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) {
    seen.buttons.push_back(GetDlgCtrlID(child));
    if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.defaultButton = GetDlgCtrlID(child);
  }
  if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && !IsButton(child)) {
    seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  }
  return TRUE;
}

// Windows already recorded, with the ticks they have outlived their first answer.
std::map<HWND, int> answeredWindows;
constexpr int kTicksBeforeForcedClose = 25;

BOOL CALLBACK CloseOwnedModalWindow(HWND window, LPARAM) {
  char className[32] = {};
  GetClassNameA(window, className, sizeof(className));
  if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
  if (GetWindow(window, GW_OWNER) != mainWindow) return TRUE;
  const auto answered = answeredWindows.find(window);
  if (answered != answeredWindows.end()) {
    // A window that ignored its answer is cancelled, so a failing test fails instead of hanging.
    if (++answered->second % kTicksBeforeForcedClose == 0) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  }
  SeenModalWindow seen{reinterpret_cast<DLGPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC)), WideText(window), {},
                       {}, nullptr, 0};
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&seen));
  seenWindows->push_back(seen);
  answeredWindows[window] = 0;
  // Some dialogs give ID 1 to another control, such as an edit box.
  if (IsButton(GetDlgItem(window, pressedButton))) {
    PostMessageA(window, WM_COMMAND, pressedButton, 0);
  } else {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

void CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), CloseOwnedModalWindow, 0);
}

StartUpSnapshot startUpSnapshot;

bool IsExpanded(HTREEITEM item) {
  return (SendMessageA(treeView, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
          TVIS_EXPANDED) != 0;
}

void CreateMainWindowElsewhere() {
  const SettingsFileGuard settingsFile;
  WriteProgramSettings(kStartUpSettings);
  char workingFolder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, workingFolder);
  const std::string elsewhere = TempPath("elsewhere");
  CreateDirectoryA(elsewhere.c_str(), nullptr);
  SetCurrentDirectoryA(elsewhere.c_str());
  const bool created = CreateMainWindow(GetModuleHandleA(nullptr));
  SetCurrentDirectoryA(workingFolder);
  ASSERT_TRUE(created);
}

}  // namespace

const char* const kStartUpSettings = "C:\\roms\\newest.smc\r\nC:\\roms\\older.smc\r\nC:\\roms\\oldest.smc\r\n";

void StartShellOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  CreateMainWindowElsewhere();
  ASSERT_NE(mainWindow, nullptr);
  ShowWindow(mainWindow, SW_SHOWNOACTIVATE);
  SetUpMainToolBarAndTree();
  PumpMessages();
  startUpSnapshot = {IsExpanded(treeItems.root), IsExpanded(treeItems.psi), WindowText(statusBar),
                     RecentMenuTexts()};
}

const StartUpSnapshot& ShellAtStartUp() {
  return startUpSnapshot;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ProcessLoopMessage(message);
}

std::vector<SeenModalWindow> WatchModalWindows(const std::function<void()>& action, int button) {
  std::vector<SeenModalWindow> seen;
  seenWindows = &seen;
  pressedButton = button;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, WatchTick);
  action();
  KillTimer(nullptr, timer);
  answeredWindows.clear();
  seenWindows = nullptr;
  return seen;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

std::string MenuText(HMENU menu, int position) {
  char text[512] = {};
  GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
  return text;
}

std::vector<std::string> RecentMenuTexts() {
  std::vector<std::string> texts;
  for (int position = 5; position <= 9; ++position) texts.push_back(MenuText(fileMenu, position));
  return texts;
}

std::string StatusLine() {
  return WindowText(statusBar);
}

void SelectTreeItem(HTREEITEM item) {
  SendMessageA(treeView, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

std::string StatusLineFor(HTREEITEM item) {
  // Selecting nothing first makes every selection a change the tree reports.
  SelectTreeItem(nullptr);
  SelectTreeItem(item);
  return StatusLine();
}

void SendCommand(int command) {
  SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

std::string WriteFixtureRom(const std::string& name, RomKind kind, bool possessed) {
  FixtureImage image;
  image.SetKind(kind);
  if (possessed) image.Put(Headered(kInternalHeader + kPossessionMarkerInHeader), {'B', 'o', 'o', '!'});
  const std::string path = TempPath(name);
  image.WriteTo(path);
  return path;
}

void ShellTest::SetUp() {
  StartShellOnce();
  previousPlatform = platform;
  platform = &recorder;
  CloseRom(romSession);
  recentRoms = {};
  RefreshRecentMenu();
  SelectTreeItem(treeItems.root);
}

void ShellTest::TearDown() {
  CloseRom(romSession);
  PumpMessages();
  platform = previousPlatform;
}
