#pragma once

#include <string>

// The folder of the program file with its trailing backslash, taken from a command line
// whose first element is the program path (quoted or not).
std::string ProgramDirectoryFromCommandLine(const std::string& commandLine);
// The same for this process.
std::string ProgramDirectory();
