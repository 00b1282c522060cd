#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The texts of the labels directly on `group` that are wider, in the editors' font, than
// their label: such a label wraps its last words onto a line its height cuts off.
std::vector<std::string> LabelsTooNarrowForTheirText(HWND group);
