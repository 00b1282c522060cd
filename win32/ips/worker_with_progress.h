#pragma once

#include <windows.h>

// Starts worker on its own thread and shows the progress window, modal to owner, until the
// worker sets ipsFinished. A worker that cannot start is reported in a "Warning" box.
void RunWorkerWithProgress(HWND owner, LPTHREAD_START_ROUTINE worker, LPVOID parameter);
