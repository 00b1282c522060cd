#pragma once

#include <windows.h>

// The Create IPS dialog; its parameter, a PatchKind, turns it into Create BPS.
INT_PTR CALLBACK CreateIpsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
