#include "win32/ips/create_ips_dialog.h"

#include <string>

#include "win32/app/app_state.h"
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

// The dialog record keeps its last path, so the chooser starts from there.
void BrowseInto(HWND window, int edit, FileDialog dialog, FileDialogMode mode, const char* lastPath) {
  std::string path = lastPath;
  if (platform->ChooseFile(dialog, mode, path)) SetDlgItemTextA(window, edit, path.c_str());
}

void CreateIps(HWND window) {
  GetDlgItemTextA(window, IDC_UNEDITED_ROM_PATH, uneditedRomPath, sizeof uneditedRomPath);
  GetDlgItemTextA(window, IDC_IPS_PATH, ipsPath, sizeof ipsPath);
  if (!uneditedRomPath[0] || !ipsPath[0]) return;
  RunWorkerWithProgress(window, IpsWorker, reinterpret_cast<LPVOID>(static_cast<INT_PTR>(dialogKind)));
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
          BrowseInto(window, IDC_UNEDITED_ROM_PATH, FileDialog::Rom, FileDialogMode::Open, romPathBuffer);
          return TRUE;
        case IDC_BROWSE_IPS_PATH:
          if (dialogKind == PatchKind::Bps) {
            BrowseInto(window, IDC_IPS_PATH, FileDialog::Bps, FileDialogMode::Save, bpsPathBuffer);
          } else {
            BrowseInto(window, IDC_IPS_PATH, FileDialog::Ips, FileDialogMode::Save, ipsPathBuffer);
          }
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
