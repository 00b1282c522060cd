#include "win32/app/main_commands.h"

// Before the core's platform, so that windows.h renames its PlaySound member here as everywhere.
#include <windows.h>

#include "core/quiz/possession_quiz.h"
#include "core/rom/load_rom.h"
#include "core/rom/rom_checksum.h"
#include "core/rom/rom_messages.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/modal_windows.h"
#include "win32/app/recent_rom_list.h"
#include "win32/app/status_line.h"
#include "win32/app/undo_apply.h"
#include "win32/changes/changes_commands.h"
#include "win32/changes/table_csv_commands.h"
#include "win32/editors/editor_frame.h"
#include "win32/ips/apply_patch_command.h"

namespace {

void ChooseAndLoadRom() {
  std::string path = recentRoms[0];
  if (platform->ChooseFile(FileDialog::Rom, FileDialogMode::Open, path)) LoadRomFromPath(path);
}

void CloseRomFromMainWindow() {
  if (!CloseEditorsBeforeImageGoes()) return;
  const bool wasLoaded = romSession.romLoaded != 0;
  CloseRom(romSession);
  if (wasLoaded) platform->PlaySound(SoundId::RomClosed);
  EnemySelection = 0;
  RefreshStatusLine();
}

bool RomLoadedOrSaySo() {
  if (!romSession.romLoaded) ShowInformation(*platform, kLoadRomFirst);
  return romSession.romLoaded != 0;
}

void FixChecksum() {
  if (!romSession.romLoaded) return;
  const ChecksumFixResult result = FixRomChecksum(romSession);
  const std::string message = ChecksumFixMessage(result, romSession.romPath);
  if (result.Succeeded()) {
    platform->ShowMessage(message, "Checksum", MessageKind::Information, TextEncoding::Ansi);
  } else {
    ShowWarning(*platform, message);
  }
}

// The one way out: asks an editor holding typing first, then closes the ROM silently, saves
// the recent list and ends the loop.
void QuitProgram() {
  if (!CloseEditorsBeforeImageGoes()) return;
  // Resetting the session too keeps a second close request from closing the file twice.
  CloseRom(romSession);
  WriteSettings();
  PostQuitMessage(0);
}

void RunPossessionQuiz() {
  if (!romSession.romLoaded) return;
  PlayPossessionQuiz(romSession, *platform);
  RefreshStatusLine();
}

void LoadRecentRom(int entry) {
  const std::string path = recentRoms[static_cast<std::size_t>(entry)];
  if (!path.empty()) LoadRomFromPath(path);
}

}  // namespace

void RunMainCommand(int command) {
  switch (command) {
    case kCmdLoadRom:
      ChooseAndLoadRom();
      return;
    case kCmdCloseRom:
      CloseRomFromMainWindow();
      return;
    case kCmdExit:
      QuitProgram();
      return;
    case kCmdAbout:
      ShowAboutBox();
      return;
    case kCmdHelp:
      platform->OpenHelpFile();
      return;
    case kCmdMakeIps:
      if (RomLoadedOrSaySo()) ShowCreateIpsDialog();
      return;
    case kCmdMakeBps:
      if (RomLoadedOrSaySo()) ShowCreateBpsDialog();
      return;
    case kCmdApplyPatch:
      ApplyPatchFromMainWindow();
      return;
    case kCmdCompareWith:
      if (RomLoadedOrSaySo()) CompareWithFromMainWindow();
      return;
    case kCmdChangesSinceLoading:
      if (RomLoadedOrSaySo()) ChangesSinceLoadingFromMainWindow();
      return;
    case kCmdFixChecksum:
      FixChecksum();
      return;
    case kCmdUndoApply:
    case kCmdRedoApply:
      StepJournal(command, [](const JournalStep&) { RefreshStatusLine(); });
      return;
    case kCmdQuiz:
      RunPossessionQuiz();
      return;
  }
  if (command >= kCmdExportTextTable0 && command < kCmdExportTextTable0 + kTextCsvTableCount) {
    if (RomLoadedOrSaySo()) ExportTableCsv(kTextCsvTables[command - kCmdExportTextTable0].table());
    return;
  }
  if (command >= kCmdImportTextTable0 && command < kCmdImportTextTable0 + kTextCsvTableCount) {
    if (RomLoadedOrSaySo() && ImportTableCsv(kTextCsvTables[command - kCmdImportTextTable0].table())) {
      RefreshStatusLine();
    }
    return;
  }
  if (command >= kCmdRecentRom0 && command <= kCmdRecentRom4) LoadRecentRom(command - kCmdRecentRom0);
}

void LoadRomFromPath(const std::string& path) {
  if (!CloseEditorsBeforeImageGoes()) return;
  // The path is copied first: it may be a recent entry that the update below moves.
  const std::string loadedPath = path;
  // A failed load has closed the earlier image too, so the line changes either way.
  if (!LoadRom(loadedPath, romSession, listOrders, gameTables, *platform)) {
    RefreshStatusLine();
    return;
  }
  RememberLoadedRom(loadedPath);
  ShowLoadedRomOnStatusLine();
}
