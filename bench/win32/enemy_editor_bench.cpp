// Times the enemy editor under Wine: opening its window, against the same window with its
// controls created and every list left empty (the floor an opening can reach), and showing
// another enemy with all four argument boxes refilled by the longest lists. Prints
// milliseconds per step.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/enemy/enemy_record.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/fixture_image.h"
#include "win32/app/app_state.h"
#include "win32/app/main_commands.h"
#include "win32/app/main_toolbar_and_tree.h"
#include "win32/app/quillon_app.h"
#include "win32/editors/enemy_editor_window.h"
#include "win32/resources/resource.h"

namespace {

using Clock = std::chrono::steady_clock;

// No sounds or boxes: the timings are of the window alone.
class QuietPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(const std::string&, const std::string&, MessageKind, TextEncoding) override {
    return MessageAnswer::Ok;
  }
  bool ChooseFile(FileDialog, FileDialogMode, std::string&, const std::string&) override { return false; }
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

HWND OpenEditor(const EditorDefinition& editor = EnemyEditor()) {
  return CreateDialogParamA(programInstance, MAKEINTRESOURCEA(IDD_EDITOR_HOST), mainWindow, EditorWindowProc,
                            reinterpret_cast<LPARAM>(&editor));
}

// The enemy editor that shows nothing: its lists stay empty.
const EditorDefinition& EditorWithEmptyLists() {
  static const EditorDefinition editor = [] {
    EditorDefinition bare = EnemyEditor();
    bare.show = [] {};
    return bare;
  }();
  return editor;
}

// The menu bar belongs to the shell; taken off first so that it outlives the window.
void CloseEditor(HWND editor) {
  SetMenu(editor, nullptr);
  DestroyWindow(editor);
}

double MillisecondsSince(Clock::time_point start, int steps) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / steps;
}

// One opening: created, drawn and closed again.
double TimeOneOpening(const EditorDefinition& editorToOpen) {
  const Clock::time_point start = Clock::now();
  HWND editor = OpenEditor(editorToOpen);
  UpdateWindow(editor);
  CloseEditor(editor);
  return MillisecondsSince(start, 1);
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

struct OpeningTimes {
  double emptyLists;
  double full;
};

// The two windows open in turn, so that the shared machine's changing load falls on both alike.
OpeningTimes TimeOpenings() {
  std::vector<double> emptyLists;
  std::vector<double> full;
  for (int i = 0; i < kOpenings; ++i) {
    emptyLists.push_back(TimeOneOpening(EditorWithEmptyLists()));
    full.push_back(TimeOneOpening(EnemyEditor()));
  }
  return {Median(emptyLists), Median(full)};
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
  const OpeningTimes opening = TimeOpenings();
  std::printf("Enemy editor, open with empty lists: %8.2f ms (median of %d)\n", opening.emptyLists, kOpenings);
  std::printf("Enemy editor, open the window:       %8.2f ms (median of %d), %.2f times the empty window\n",
              opening.full, kOpenings, opening.full / opening.emptyLists);
  std::printf("Enemy editor, show another enemy:    %8.2f ms (mean of %d, four argument lists refilled)\n",
              TimeShowing(), kShows);
  return 0;
}
