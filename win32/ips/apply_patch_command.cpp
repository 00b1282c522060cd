#include "win32/ips/apply_patch_command.h"

#include <windows.h>

#include <string>

#include "core/compare/patch_changes.h"
#include "win32/app/app_state.h"
#include "win32/app/output_file_choice.h"
#include "win32/changes/changes_window.h"
#include "win32/ips/ips_worker.h"
#include "win32/ips/worker_with_progress.h"

namespace {

// Set before the worker starts, read only by it.
PatchFiles filesToPatch;
// Set by the worker, read once it has finished.
DescribedPatch describedPatch;
bool patchDescribed = false;

DWORD WINAPI DescribePatchWorker(LPVOID) {
  describedPatch = DescribePatchFiles(filesToPatch.patch, filesToPatch.image, {ipsBytesDone, ipsTotalBytes});
  patchDescribed = true;
  ipsFinished = 1;
  return 0;
}

void SavePatchedImage(PatchFiles files) {
  files.result = romPathBuffer;
  if (!ChooseOutputFile(FileDialog::Rom, files.result)) return;
  const PatchFilesApplied written = WritePatchedImage(files, describedPatch.patched);
  if (written.written) {
    platform->PlaySound(SoundId::IpsWritten);
  } else {
    ShowWarning(*platform, written.message);
  }
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
  filesToPatch = files;
  patchDescribed = false;
  RunWorkerWithProgress(mainWindow, DescribePatchWorker, nullptr);
  if (!patchDescribed) return;
  if (!describedPatch.patched.Applied()) {
    ShowWarning(*platform, describedPatch.patched.message);
  } else if (ShowChangesWindow(describedPatch.changes, kSavePatchedImageQuestion)) {
    SavePatchedImage(files);
  }
  describedPatch = {};
}
