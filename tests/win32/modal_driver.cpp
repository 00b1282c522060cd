#include "tests/win32/modal_driver.h"

#include <set>
#include <string>

namespace {

struct DriveRequest {
  std::set<HWND> dialogsBefore;
  std::string title;  // empty for any dialog
  const std::function<void(HWND)>* drive;
  UINT_PTR timer;
  bool driven;
};

DriveRequest* request = nullptr;

bool IsVisibleDialog(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof(className));
  return std::string(className) == "#32770" && IsWindowVisible(window);
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM dialogs) {
  if (IsVisibleDialog(window)) reinterpret_cast<std::set<HWND>*>(dialogs)->insert(window);
  return TRUE;
}

std::set<HWND> VisibleDialogs() {
  std::set<HWND> dialogs;
  EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
  return dialogs;
}

HWND NewDialog() {
  for (HWND dialog : VisibleDialogs()) {
    if (request->dialogsBefore.count(dialog) || !IsWindowEnabled(dialog)) continue;
    char title[64] = {};
    GetWindowTextA(dialog, title, sizeof title);
    if (request->title.empty() || request->title == title) return dialog;
  }
  return nullptr;
}

// An ended dialog is hidden at once, before its loop returns.
void CloseIfStillOpen(HWND dialog) {
  if (IsWindow(dialog) && IsWindowVisible(dialog)) SendMessageA(dialog, WM_CLOSE, 0, 0);
  if (IsWindow(dialog) && IsWindowVisible(dialog)) EndDialog(dialog, 0);
}

void CALLBACK DriveTick(HWND, UINT, UINT_PTR, DWORD) {
  if (!request || request->driven) return;
  HWND dialog = NewDialog();
  if (!dialog) return;
  // Stopped first: drive may run nested loops of its own that would tick again.
  KillTimer(nullptr, request->timer);
  request->driven = true;
  (*request->drive)(dialog);
  CloseIfStillOpen(dialog);
}

}  // namespace

bool DriveModalDialog(const std::function<void()>& open, const std::function<void(HWND dialog)>& drive) {
  return DriveModalDialogTitled("", open, drive);
}

bool DriveModalDialogTitled(const std::string& title, const std::function<void()>& open,
                            const std::function<void(HWND dialog)>& drive) {
  DriveRequest thisRequest{VisibleDialogs(), title, &drive, 0, false};
  request = &thisRequest;
  thisRequest.timer = SetTimer(nullptr, 0, 10, DriveTick);
  open();
  KillTimer(nullptr, thisRequest.timer);
  request = nullptr;
  return thisRequest.driven;
}
