#include "win32/ips/create_ips_dialog.h"

#include <string>

#include "win32/app/app_state.h"
#include "win32/ips/ips_progress_dialog.h"
#include "win32/ips/ips_worker.h"
#include "win32/resources/resource.h"

namespace {

// The worker reads little of its stack; the system rounds this up as it needs.
constexpr SIZE_T kWorkerStackSize = 4096;

// The dialog record keeps its last path, so the chooser starts from there.
void BrowseInto(HWND window, int edit, FileDialog dialog, FileDialogMode mode, const char* lastPath) {
  std::string path = lastPath;
  if (platform->ChooseFile(dialog, mode, path)) SetDlgItemTextA(window, edit, path.c_str());
}

void CreateIps(HWND window) {
  GetDlgItemTextA(window, IDC_UNEDITED_ROM_PATH, uneditedRomPath, sizeof uneditedRomPath);
  GetDlgItemTextA(window, IDC_IPS_PATH, ipsPath, sizeof ipsPath);
  if (!uneditedRomPath[0] || !ipsPath[0]) return;
  ipsFinished = 0;
  HANDLE worker = CreateThread(nullptr, kWorkerStackSize, IpsWorker, nullptr, 0, nullptr);
  if (!worker) return;
  CloseHandle(worker);
  DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_CREATING_IPS), window, IpsProgressDialogProc, 0);
}

}  // namespace

INT_PTR CALLBACK CreateIpsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
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
          BrowseInto(window, IDC_IPS_PATH, FileDialog::Ips, FileDialogMode::Save, ipsPathBuffer);
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
