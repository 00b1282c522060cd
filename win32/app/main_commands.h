#pragma once

#include <string>

// Runs a command of the main menu or the main tool bar; kCmdExit is also the close box.
void RunMainCommand(int command);

// Loads the image at path into the shell's session, once an open editor has asked about its
// typing and closed (Cancel there loads nothing); after a load the recent list follows
// it, and the status line follows whatever happened.
void LoadRomFromPath(const std::string& path);
