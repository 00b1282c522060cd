#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Every text shown in window or its controls, at any depth, that its control or the window
// cuts off, measured with the control's own font: labels (wrapped where they wrap, and clear
// of the controls beside them), buttons with their
// check box, group box titles, single-line edit boxes, and each entry of drop-down and list
// boxes beside the drop-down arrow. Each is described by its class, ID and text.
std::vector<std::string> TextsThatDoNotFit(HWND window);
