#pragma once

#include <windows.h>

#include <string>

// Start-up up to the hidden main window with all its children; false when the window
// class cannot be registered.
bool CreateMainWindow(HINSTANCE instance);
// The whole program: start-up, splash, the image named in arguments (the command line after
// the program) loaded as Load ROM loads one, the message loop. Returns the exit code.
int RunQuillon(HINSTANCE instance, int showCommand, const std::string& arguments);
