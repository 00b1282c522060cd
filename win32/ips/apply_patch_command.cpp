#include "win32/ips/apply_patch_command.h"

#include <windows.h>

#include <string>

#include "core/patch/apply_patch_files.h"
#include "core/patch/patch_messages.h"
#include "win32/app/app_state.h"
#include "win32/app/output_file_choice.h"
#include "win32/ips/ips_worker.h"
#include "win32/ips/worker_with_progress.h"

namespace {

// Set before the worker starts, read only by it.
PatchFiles filesToPatch;

DWORD WINAPI ApplyPatchWorker(LPVOID) {
  const PatchFilesApplied applied = ApplyPatchFiles(filesToPatch, {ipsBytesDone, ipsTotalBytes});
  if (applied.written) {
    platform->PlaySound(SoundId::IpsWritten);
  } else {
    ShowWarning(*platform, applied.message);
  }
  ipsFinished = 1;
  return 0;
}

bool Choose(FileDialog dialog, FileDialogMode mode, const char* lastPath, std::string& path) {
  path = lastPath;
  return platform->ChooseFile(dialog, mode, path);
}

}  // namespace

void ApplyPatchFromMainWindow() {
  PatchFiles files;
  if (!Choose(FileDialog::Patch, FileDialogMode::Open, patchPathBuffer, files.patch)) return;
  if (!Choose(FileDialog::Rom, FileDialogMode::Open, romPathBuffer, files.image)) return;
  files.result = romPathBuffer;
  if (!ChooseOutputFile(FileDialog::Rom, files.result)) return;
  filesToPatch = files;
  RunWorkerWithProgress(mainWindow, ApplyPatchWorker, nullptr);
}
