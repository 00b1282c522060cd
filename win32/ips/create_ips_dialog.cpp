#include "win32/ips/create_ips_dialog.h"

#include <string>

#include "core/ips/ips_messages.h"
#include "win32/app/app_state.h"
#include "win32/app/output_file_choice.h"
#include "win32/editors/overwrite_question.h"
#include "win32/ips/ips_worker.h"
#include "win32/ips/worker_with_progress.h"
#include "win32/resources/resource.h"

namespace {

// One dialog is open at a time; it makes the patches of the kind it was opened for.
PatchKind dialogKind = PatchKind::Ips;

void ShowKind(HWND window, PatchKind kind) {
  dialogKind = kind;
  if (kind != PatchKind::Bps) return;
  SetWindowTextA(window, "Create BPS");
  SetDlgItemTextA(window, IDC_PATCH_PATH_LABEL, "BPS file to save to:");
  SetDlgItemTextA(window, IDC_CREATE_IPS, "Create BPS");
}

// The dialog records keep their last paths, so the choosers start from there.
void BrowseUneditedRom(HWND window) {
  std::string path = romPathBuffer;
  if (platform->ChooseFile(FileDialog::Rom, FileDialogMode::Open, path)) {
    SetDlgItemTextA(window, IDC_UNEDITED_ROM_PATH, path.c_str());
  }
}

void BrowsePatchPath(HWND window) {
  const bool bps = dialogKind == PatchKind::Bps;
  std::string path = bps ? bpsPathBuffer : ipsPathBuffer;
  if (ChooseOutputFile(bps ? FileDialog::Bps : FileDialog::Ips, path)) {
    SetDlgItemTextA(window, IDC_IPS_PATH, path.c_str());
  }
}

// The label of a box without its colon, as a message names the box.
std::string BoxName(HWND window, int label) {
  char text[64] = {};
  GetDlgItemTextA(window, label, text, sizeof text);
  std::string name = text;
  if (!name.empty() && name.back() == ':') name.pop_back();
  return name;
}

// Says what is missing or wrong before the worker starts; the dialog stays open.
bool PathsRefused(HWND window) {
  if (!uneditedRomPath[0]) {
    ShowWarning(*platform, EmptyPatchBoxMessage(kUneditedRomBoxName));
    return true;
  }
  if (!ipsPath[0]) {
    ShowWarning(*platform, EmptyPatchBoxMessage(BoxName(window, IDC_PATCH_PATH_LABEL)));
    return true;
  }
  if (RefusedAsOutput(ipsPath, {uneditedRomPath})) return true;
  // A path typed into the box has not passed a save dialog's question.
  return GetFileAttributesA(ipsPath) != INVALID_FILE_ATTRIBUTES && !ConfirmOverwrite(ReplaceFileQuestion(ipsPath));
}

void CreateIps(HWND window) {
  GetDlgItemTextA(window, IDC_UNEDITED_ROM_PATH, uneditedRomPath, sizeof uneditedRomPath);
  GetDlgItemTextA(window, IDC_IPS_PATH, ipsPath, sizeof ipsPath);
  if (PathsRefused(window)) return;
  const char* title = dialogKind == PatchKind::Bps ? "Creating BPS" : "Creating IPS";
  RunWorkerWithProgress(window, title, IpsWorker, reinterpret_cast<LPVOID>(static_cast<INT_PTR>(dialogKind)));
}

}  // namespace

INT_PTR CALLBACK CreateIpsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ShowKind(window, static_cast<PatchKind>(lParam));
      return TRUE;
    case WM_CLOSE:
      EndDialog(window, 0);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) != 0) return FALSE;
      switch (LOWORD(wParam)) {
        case IDC_BROWSE_UNEDITED_ROM:
          BrowseUneditedRom(window);
          return TRUE;
        case IDC_BROWSE_IPS_PATH:
          BrowsePatchPath(window);
          return TRUE;
        case IDC_CREATE_IPS:
          CreateIps(window);
          return TRUE;
        case IDC_CREATE_IPS_DONE:
          EndDialog(window, 0);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}
