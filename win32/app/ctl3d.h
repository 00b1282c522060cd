#pragma once

#include <windows.h>

// Three-dimensional control drawing, when CTL3D32.DLL exists (Wine has it, current
// Windows does not): everything here does nothing without it.
void RegisterCtl3d(HINSTANCE instance);
void Ctl3dSubclassControl(HWND control);
