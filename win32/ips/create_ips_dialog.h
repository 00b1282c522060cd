#pragma once

#include <windows.h>

// The Create IPS dialog.
INT_PTR CALLBACK CreateIpsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
