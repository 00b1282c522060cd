#pragma once

#include <string>

// The file named on the command line after the program (Open With, or a file dropped onto
// the program), its quotes taken off; empty when none is named.
std::string FileNamedOnCommandLine(const std::string& arguments);
