#include "win32/ips/apply_patch_command.h"

#include <windows.h>

#include <string>

#include "core/compare/patch_changes.h"
#include "core/io/file_size.h"
#include "core/patch/apply_patch_files.h"
#include "core/patch/patch_messages.h"
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
  if (!ChooseOutputFile(FileDialog::Rom, files.result, "Save the patched image as")) return;
  const PatchFilesApplied written = WritePatchedImage(files, describedPatch.patched);
  if (written.written) {
    platform->PlaySound(SoundId::IpsWritten);
    std::string saved = FileSavedMessage("The patched image", files.result, FileSizeAt(files.result));
    if (written.wholeFile) saved += std::string("  ") + kBpsAppliedToWholeFile;
    ShowInformation(*platform, saved);
  } else {
    ShowWarning(*platform, written.message);
  }
}

bool ChooseToOpen(FileDialog dialog, const char* title, const char* lastPath, std::string& path) {
  path = lastPath;
  return platform->ChooseFile(dialog, FileDialogMode::Open, path, title);
}

// Nothing says which image an IPS patch was made for, so the user confirms it.
bool MayApply(const std::string& patch) {
  return !IsIpsPatchFile(patch) || platform->ShowMessage(kApplyIpsQuestion, "Quillon", MessageKind::YesNoQuestion,
                                                         TextEncoding::Ansi) == MessageAnswer::Yes;
}

}  // namespace

void ApplyPatchFromMainWindow() {
  PatchFiles files;
  if (!ChooseToOpen(FileDialog::Patch, "Choose the patch", patchPathBuffer, files.patch)) return;
  if (!MayApply(files.patch)) return;
  if (!ChooseToOpen(FileDialog::Rom, "Choose the unedited image", romPathBuffer, files.image)) return;
  filesToPatch = files;
  patchDescribed = false;
  RunWorkerWithProgress(mainWindow, "Applying Patch", DescribePatchWorker, nullptr);
  if (!patchDescribed) return;
  if (!describedPatch.patched.Applied()) {
    ShowWarning(*platform, describedPatch.patched.message);
  } else if (ShowChangesWindow(describedPatch.changes, kSavePatchedImageQuestion)) {
    SavePatchedImage(files);
  }
  describedPatch = {};
}
