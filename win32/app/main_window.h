#pragma once

#include <windows.h>

constexpr char kMainWindowClass[] = "QuillonWindow";

// Registers QuillonWindow, whose procedure paints the background, answers tool tips, follows
// the tree in the status line and hands every command to RunMainCommand; false when Windows
// refuses.
bool RegisterMainWindowClass();
// Creates the hidden main window with its status bar, tool bar, separator line and tree.
void CreateMainWindowAndChildren();
