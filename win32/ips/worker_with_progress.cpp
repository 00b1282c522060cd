#include "win32/ips/worker_with_progress.h"

#include "core/ips/ips_messages.h"
#include "win32/app/app_state.h"
#include "win32/app/system_calls.h"
#include "win32/ips/ips_progress_dialog.h"
#include "win32/ips/ips_worker.h"
#include "win32/resources/resource.h"

namespace {

// The workers read little of their stack; the system rounds this up as they need.
constexpr SIZE_T kWorkerStackSize = 4096;

}  // namespace

void RunWorkerWithProgress(HWND owner, const char* title, LPTHREAD_START_ROUTINE worker, LPVOID parameter) {
  ipsFinished = 0;
  HANDLE thread = systemCalls.createThread(nullptr, kWorkerStackSize, worker, parameter, 0, nullptr);
  if (!thread) {
    ShowWarning(*platform, kPatchWorkCannotStart);
    return;
  }
  CloseHandle(thread);
  DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_CREATING_IPS), owner, IpsProgressDialogProc,
                  reinterpret_cast<LPARAM>(title));
}
