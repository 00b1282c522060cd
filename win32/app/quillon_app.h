#pragma once

#include <windows.h>

// Start-up up to the hidden main window with all its children; false when the window
// class cannot be registered.
bool CreateMainWindow(HINSTANCE instance);
// The whole program: start-up, splash, the message loop. Returns the exit code.
int RunQuillon(HINSTANCE instance, int showCommand);
