#pragma once

#include <cstdio>
#include <string>

// Where a command's output goes: OUT, or standard output when OUT is "-".

// True, after one line on err, when outPath names the image itself, which an output never replaces.
bool IsImageAsOutput(const std::string& imagePath, const std::string& outPath, std::FILE* err);

// Writes text to outPath through the safe replace, or to out when outPath is "-"; what
// names the output in a failure's one line on err ("dump"). Returns the exit status.
int WriteCommandOutput(const std::string& outPath, const std::string& text, const char* what, std::FILE* out,
                       std::FILE* err);
