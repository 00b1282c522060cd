#include "win32/app/main_commands.h"

#include "core/rom/rom_checksum.h"
#include "core/rom/rom_messages.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/load_rom_command.h"
#include "win32/app/modal_windows.h"
#include "win32/app/possession_quiz.h"
#include "win32/app/quit_program.h"
#include "win32/app/status_line.h"
#include "win32/ips/apply_patch_command.h"

namespace {

void ChooseAndLoadRom() {
  std::string path = recentRoms[0];
  if (platform->ChooseFile(FileDialog::Rom, FileDialogMode::Open, path)) LoadRomFromPath(path);
}

void CloseRomFromMainWindow() {
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
  const ChecksumFixResult result = FixRomChecksum(romSession.romFile, romSession.romLayout);
  if (result.Succeeded()) {
    platform->ShowMessage(ChecksumFixMessage(result), "Checksum", MessageKind::Information, TextEncoding::Ansi);
  } else {
    ShowWarning(*platform, ChecksumFixMessage(result));
  }
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
    case kCmdFixChecksum:
      FixChecksum();
      return;
    case kCmdQuiz:
      if (!romSession.romLoaded) return;
      RunPossessionQuiz();
      RefreshStatusLine();
      return;
  }
  if (command >= kCmdRecentRom0 && command <= kCmdRecentRom4) LoadRecentRom(command - kCmdRecentRom0);
}
