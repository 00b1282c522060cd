#include "win32/ips/ips_progress_dialog.h"

#include <string>

#include "core/ips/ips_percentage.h"
#include "win32/ips/ips_progress_bar.h"
#include "win32/ips/ips_worker.h"
#include "win32/resources/resource.h"

namespace {

constexpr UINT_PTR kProgressTimer = 150;
constexpr UINT kTickMilliseconds = 100;

IpsProgressBars progressBars = {};
BYTE animationPhase = 0;

// Wide enough for every title and for the count of the largest image.
constexpr int kProgressWidth = 200;
constexpr int kProgressHeight = 100;

void StartProgress(HWND window, const char* title) {
  SetWindowTextA(window, title);
  const int x = GetSystemMetrics(SM_CXFULLSCREEN) / 2 - 150;
  const int y = GetSystemMetrics(SM_CYFULLSCREEN) / 2 - 100;
  SetWindowPos(window, nullptr, x, y, kProgressWidth, kProgressHeight, SWP_NOZORDER);
  ShowWindow(window, SW_SHOW);
  progressBars = CreateIpsProgressBars(window);
  SetTimer(window, kProgressTimer, kTickMilliseconds, nullptr);
}

// Consumes the worker's flag, so the next run starts from a clear one.
void EndProgress(HWND window) {
  ipsFinished = 0;
  KillTimer(window, kProgressTimer);
  DeleteIpsProgressBars(progressBars);
  EndDialog(window, 0);
}

void ShowProgress(HWND window) {
  animationPhase ^= 1;
  const std::int32_t done = ipsBytesDone;
  SetDlgItemTextA(window, IDC_IPS_PROGRESS_TEXT, (std::to_string(done) + " bytes done").c_str());
  // The text repaints first, so the bar drawn next is not covered by it.
  UpdateWindow(GetDlgItem(window, IDC_IPS_PROGRESS_TEXT));
  HDC dc = GetDC(window);
  DrawIpsProgress(dc, progressBars.frames[animationPhase], IpsPercentage(done, ipsTotalBytes));
  ReleaseDC(window, dc);
}

}  // namespace

INT_PTR CALLBACK IpsProgressDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      StartProgress(window, reinterpret_cast<const char*>(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam != kProgressTimer) return FALSE;
      if (ipsFinished) {
        EndProgress(window);
      } else {
        ShowProgress(window);
      }
      return TRUE;
    case WM_CLOSE:
      // Closing while the worker runs would leave it alone with the open image.
      if (ipsFinished) EndProgress(window);
      return TRUE;
  }
  return FALSE;
}
