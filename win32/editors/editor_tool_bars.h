#pragma once

#include <windows.h>

// The two editor tool bars: bitmap size 20x20, buttons 26x27, plain enabled push buttons
// without text. Each ends by sending the tool bar WM_SIZE so that it lays itself out.

// Enemy and item editors: Close ROM, Find, the three list orders, Help.
void SetUpListEditorToolBar(HWND toolBar);
// PSI name, teleport and misc. text editors: Close ROM and Help.
void SetUpTextEditorToolBar(HWND toolBar);
