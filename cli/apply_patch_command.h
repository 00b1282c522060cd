#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kApplyPatchUsage = "quillon-cli apply-patch PATCH IMAGE OUT";

// apply-patch PATCH IMAGE OUT: the IPS or BPS patch applied to IMAGE, written to OUT, which
// may be IMAGE itself. Returns the exit status.
int ApplyPatchCommand(const std::vector<std::string>& args, std::FILE* err);
