#pragma once

#include <windows.h>

constexpr char kMainWindowClass[] = "QuillonWindow";

// Registers QuillonWindow; false when Windows refuses.
bool RegisterMainWindowClass();
// Creates the hidden main window with its status bar, tool bar, separator line and tree.
void CreateMainWindowAndChildren();
