#pragma once

// The one way out: closes the ROM silently, saves the recent list and ends the loop.
void QuitProgram();
