#pragma once

// Runs a command of the main menu or the main tool bar.
void RunMainCommand(int command);
