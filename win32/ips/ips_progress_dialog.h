#pragma once

#include <windows.h>

// The progress window: an animated bar and a byte count, polled from the worker's counters
// every 100 ms; it ends at the first tick after the worker has finished. WM_INITDIALOG
// carries its title ("Creating IPS", "Applying Patch").
INT_PTR CALLBACK IpsProgressDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
