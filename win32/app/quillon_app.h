#pragma once

#include <windows.h>

// Start-up, the message loop and the exit code of the program.
int RunQuillon(HINSTANCE instance, int showCommand);
