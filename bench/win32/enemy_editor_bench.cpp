// Times the enemy editor under Wine: opening its window, and showing another enemy with
// all four argument boxes refilled by the longest lists. Prints milliseconds per step.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "core/enemy/enemy_record.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/fixture_image.h"
#include "win32/app/app_state.h"
#include "win32/app/load_rom_command.h"
#include "win32/app/main_toolbar_and_tree.h"
#include "win32/app/quillon_app.h"
#include "win32/editors/enemy_editor_window.h"
#include "win32/resources/resource.h"

namespace {

using Clock = std::chrono::steady_clock;

// No sounds or boxes: the timings are of the window alone.
class QuietPlatform : public Platform {
 public:
  int ShowMessage(const std::string&, const std::string&, unsigned, TextEncoding) override { return IDOK; }
  bool ChooseFile(FileDialog, FileDialogMode, std::string&) override { return false; }
  void PlaySound(SoundId) override {}
  void OpenHelpFile() override {}
};

constexpr int kOpenings = 20;
constexpr int kShows = 200;

// Every enemy calls for help twice and fires two bazookas, so each show refills the four
// argument boxes with the enemy and item lists.
std::string WriteBenchImage() {
  FixtureImage image;
  image.SetKind(RomKind::EarthBoundRom);
  for (std::size_t n = 0; n < kEnemyCount; ++n) {
    PutEnemyName(image, n, "Enemy " + std::to_string(n));
    const std::uint32_t actions[kEnemyActionCount] = {62, 310, 63, 311};
    for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
      PutEnemyField(image, n, EnemyFieldOffset::kActions + 2 * k, actions[k], 2);
      PutEnemyField(image, n, EnemyFieldOffset::kArguments + k, 1 + (n + k) % 200, 1);
    }
  }
  const std::string path = TempPath("bench.smc");
  image.WriteTo(path);
  return path;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

HWND OpenEditor() {
  return CreateDialogParamA(programInstance, MAKEINTRESOURCEA(IDD_EDITOR_HOST), mainWindow, EditorWindowProc,
                            reinterpret_cast<LPARAM>(&EnemyEditor()));
}

// The menu bar belongs to the shell; taken off first so that it outlives the window.
void CloseEditor(HWND editor) {
  SetMenu(editor, nullptr);
  DestroyWindow(editor);
}

double MillisecondsSince(Clock::time_point start, int steps) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / steps;
}

double TimeOpening() {
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < kOpenings; ++i) {
    HWND editor = OpenEditor();
    UpdateWindow(editor);
    CloseEditor(editor);
  }
  return MillisecondsSince(start, kOpenings);
}

double TimeShowing() {
  HWND editor = OpenEditor();
  Pump();
  HWND enemyList = GetDlgItem(editor, kEnemyListId);
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < kShows; ++i) {
    SendMessageA(enemyList, CB_SETCURSEL, static_cast<WPARAM>(i % kEnemyCount), 0);
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kEnemyListId, CBN_SELENDOK), reinterpret_cast<LPARAM>(enemyList));
    UpdateWindow(editor);
  }
  const double perShow = MillisecondsSince(start, kShows);
  CloseEditor(editor);
  return perShow;
}

}  // namespace

int main() {
  programInstance = GetModuleHandleA(nullptr);
  QuietPlatform quiet;
  platform = &quiet;
  if (!CreateMainWindow(programInstance)) {
    std::fprintf(stderr, "win32_bench: the main window could not be created\n");
    return 1;
  }
  SetUpMainToolBarAndTree();
  LoadRomFromPath(WriteBenchImage());
  if (!romSession.romLoaded) {
    std::fprintf(stderr, "win32_bench: the bench image did not load\n");
    return 1;
  }
  std::printf("Enemy editor, open the window:     %8.2f ms (mean of %d)\n", TimeOpening(), kOpenings);
  std::printf("Enemy editor, show another enemy:  %8.2f ms (mean of %d, four argument lists refilled)\n",
              TimeShowing(), kShows);
  return 0;
}
