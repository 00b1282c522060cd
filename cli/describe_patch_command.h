#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kDescribePatchUsage = "quillon-cli describe-patch PATCH IMAGE [--csv]";

// describe-patch PATCH IMAGE [--csv]: applies the IPS or BPS patch to IMAGE in memory, with
// every check apply-patch makes, and prints what it changes as diff does. Writes no file.
// Returns the exit status.
int DescribePatchCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
