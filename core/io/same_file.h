#pragma once

#include <string>

// True when both paths name one existing file, however they are written.
bool IsSameFile(const std::string& a, const std::string& b);
