#pragma once

#include <windows.h>

// One message of the program's loop: a double-click on the editor tree opens the item's
// window first, then the message is translated and dispatched as usual.
void ProcessLoopMessage(const MSG& message);
// Runs until the quit message; returns its code.
int RunMessageLoop();
