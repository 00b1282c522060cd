#pragma once

#include <windows.h>

// Starts worker on its own thread and shows the progress window, modal to owner and titled
// for the job ("Creating IPS"), until the worker sets ipsFinished. A worker that cannot start
// is reported in a "Warning" box.
void RunWorkerWithProgress(HWND owner, const char* title, LPTHREAD_START_ROUTINE worker, LPVOID parameter);
