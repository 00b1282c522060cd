#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kDiffUsage = "quillon-cli diff UNEDITED EDITED [--csv]";

// diff UNEDITED EDITED [--csv]: every field of the known tables that differs, then the
// stretches of other bytes that do, one line each or as CSV. Returns the exit status, 0
// whether or not anything differs.
int DiffCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
