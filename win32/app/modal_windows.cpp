#include "win32/app/modal_windows.h"

#include "win32/app/about_dialog.h"
#include "win32/app/app_state.h"
#include "win32/app/splash_dialog.h"
#include "win32/editors/editor_frame.h"
#include "win32/ips/create_ips_dialog.h"
#include "win32/ips/ips_worker.h"
#include "win32/resources/resource.h"

namespace {

void ShowModal(int templateId, DLGPROC procedure, LPARAM parameter = 0) {
  DialogBoxParamA(programInstance, MAKEINTRESOURCEA(templateId), mainWindow, procedure, parameter);
}

}  // namespace

void ShowSplash() {
  ShowModal(IDD_SPLASH, SplashDialogProc);
}

void ShowAboutBox() {
  ShowModal(IDD_ABOUT, AboutDialogProc);
}

void ShowCreateIpsDialog() {
  ShowModal(IDD_CREATE_IPS, CreateIpsDialogProc, static_cast<LPARAM>(PatchKind::Ips));
}

void ShowCreateBpsDialog() {
  ShowModal(IDD_CREATE_IPS, CreateIpsDialogProc, static_cast<LPARAM>(PatchKind::Bps));
}

void OpenEditorWindow(const EditorDefinition& editor) {
  ShowModal(IDD_EDITOR_HOST, EditorWindowProc, reinterpret_cast<LPARAM>(&editor));
  while (const EditorDefinition* next = EditorToOpenNext()) {
    ShowModal(IDD_EDITOR_HOST, EditorWindowProc, reinterpret_cast<LPARAM>(next));
  }
}

void ShowCenteredOnScreen(HWND window, int width, int height) {
  const int x = GetSystemMetrics(SM_CXFULLSCREEN) / 2 - width / 2;
  const int y = GetSystemMetrics(SM_CYFULLSCREEN) / 2 - height / 2;
  MoveWindow(window, x, y, width, height, TRUE);
  ShowWindow(window, SW_SHOW);
}
