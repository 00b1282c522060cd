#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Runs one command line (without the program name); returns the exit status.
int RunCliCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
